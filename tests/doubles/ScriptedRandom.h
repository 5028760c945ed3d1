#pragma once

#include "services/RandomGenerator.h"

#include <QList>

// Hands out the values it was given, in order, then repeats the last one.
class ScriptedRandom final : public services::RandomGenerator {
public:
    void seed(quint64 value) override { seeds.append(value); }

    float next() override
    {
        ++draws;
        if (values.isEmpty())
            return 0.0F;
        return values.size() > 1 ? values.takeFirst() : values.first();
    }

    QList<float> values;
    QList<quint64> seeds;
    int draws = 0;
};
