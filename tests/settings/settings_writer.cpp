// Writes rounds of settings until it is killed, announcing each finished round on stdout.
// Round r stores r under every key, one write at a time.

#include "settings/IniSettingsStore.h"

#include <QCoreApplication>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    settings::IniSettingsStore store([] { return u"Tarvelle"_s; });
    const QStringList keys = {u"Hour"_s, u"Minute"_s,         u"Second"_s,     u"Card"_s,
                              u"Date"_s, u"AutorunStartUp"_s, u"SystemTray"_s, u"RunAtSysTray"_s};
    const int first = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 1;
    for (int round = first;; ++round) {
        for (const QString &key : keys)
            store.write(key, QString::number(round));
        std::printf("%d\n", round);
        std::fflush(stdout);
    }
}
