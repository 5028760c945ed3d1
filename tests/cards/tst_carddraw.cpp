#include "cards/CardDraw.h"
#include "cards/Deck.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <vector>

class TestCardDraw : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void boundaries();
    void everyEdgeStartsItsCard();
    void equalShareOfTheGeneratorsValues();
};

void TestCardDraw::boundaries()
{
    QCOMPARE(cards::cardForRandom(0.0F), 1);
    QCOMPARE(cards::cardForRandom(0.5F), 27);
    const float belowOne = std::nextafter(1.0F, 0.0F);
    QCOMPARE(cards::cardForRandom(belowOne), 52);
    // Out-of-range values from a faulty generator still give a card.
    QCOMPARE(cards::cardForRandom(1.0F), 52);
    QCOMPARE(cards::cardForRandom(-0.25F), 1);
}

void TestCardDraw::everyEdgeStartsItsCard()
{
    for (int k = 1; k <= cards::kDeckSize; ++k) {
        // The first float at or above (k - 1) / 52 belongs to card k.
        const double edge = static_cast<double>(k - 1) / 52.0;
        float r = static_cast<float>(edge);
        if (static_cast<double>(r) < edge)
            r = std::nextafter(r, 1.0F);
        QCOMPARE(cards::cardForRandom(r), k);
        // A little below the edge is the card before.
        if (k > 1)
            QCOMPARE(cards::cardForRandom(static_cast<float>(edge - 1e-4)), k - 1);
        // Just below the next edge is still card k.
        QCOMPARE(cards::cardForRandom(static_cast<float>(static_cast<double>(k) / 52.0 - 1e-4)), k);
    }
}

void TestCardDraw::equalShareOfTheGeneratorsValues()
{
    // The generator yields m / 2^24; count how many of those land on each card.
    constexpr int kValues = 1 << 24;
    std::vector<int> share(cards::kDeckSize + 1, 0);
    int previous = 1;
    for (int m = 0; m < kValues; ++m) {
        const int k = cards::cardForRandom(static_cast<float>(m) / static_cast<float>(kValues));
        QVERIFY(k >= previous); // monotone: no card is skipped or revisited
        previous = k;
        ++share[static_cast<std::size_t>(k)];
    }
    const double fair = static_cast<double>(kValues) / cards::kDeckSize;
    for (int k = 1; k <= cards::kDeckSize; ++k)
        QVERIFY2(std::abs(share[static_cast<std::size_t>(k)] - fair) <= 2.0,
                 QByteArray::number(k).constData());
}

QTEST_APPLESS_MAIN(TestCardDraw)
#include "tst_carddraw.moc"
