// Takes the single-instance lock at the path given, or where the program takes it when none is
// given, and holds it until killed.

#include "services/InstanceLock.h"

#include <QCoreApplication>

#include <cstdio>
#include <unistd.h>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    services::FileInstanceLock lock(argc > 1
                                        ? QStringList{QString::fromLocal8Bit(argv[1])}
                                        : services::FileInstanceLock::defaultPaths(u"Tarvelle"_s));
    std::puts(lock.acquire() ? "locked" : "refused");
    std::fflush(stdout);
    for (;;)
        ::pause();
}
