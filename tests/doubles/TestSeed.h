#pragma once

#include <QRandomGenerator>
#include <QtGlobal>

// The seed of a test's random inputs: TARVELLE_TEST_SEED when set, to replay a failed run, or
// else a fresh one each run. Printed either way, since a failure is only as good as its replay.
inline quint32 testSeed()
{
    bool given = false;
    quint32 seed = qEnvironmentVariable("TARVELLE_TEST_SEED").toUInt(&given);
    if (!given)
        seed = QRandomGenerator::system()->generate();
    qInfo("random inputs from seed %u; replay with TARVELLE_TEST_SEED=%u", seed, seed);
    return seed;
}
