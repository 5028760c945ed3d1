// Takes the single-instance lock at the path given and holds it until killed.

#include "services/InstanceLock.h"

#include <QCoreApplication>

#include <cstdio>
#include <unistd.h>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    if (argc < 2)
        return 2;
    services::FileInstanceLock lock(QString::fromLocal8Bit(argv[1]));
    std::puts(lock.acquire() ? "locked" : "refused");
    std::fflush(stdout);
    for (;;)
        ::pause();
}
