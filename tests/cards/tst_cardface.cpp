#include "cards/CardFace.h"
#include "cards/Deck.h"

#include <QGuiApplication>
#include <QImage>
#include <QSet>
#include <QTest>

#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

class TestCardFace : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sizeAtEachPixelRatio();
    void roundedCornersAreTransparent();
    void cornerIndexHasTheSuitsColour();
    void cornerIndexStandsClear();
    void indexSignStandsAboveThePips();
    void everyFaceIsDifferent();
};

namespace {

QImage faceImage(int index, qreal ratio = 1.0)
{
    return cards::renderCardFace(index, ratio).toImage().convertToFormat(QImage::Format_ARGB32);
}

int differingPixels(const QImage &one, const QImage &other, const QRect &area)
{
    int differing = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            differing += one.pixel(x, y) != other.pixel(x, y) ? 1 : 0;
    }
    return differing;
}

bool isRedInk(QColor c)
{
    return c.alpha() > 200 && c.red() > 150 && c.green() < 90 && c.blue() < 90;
}

bool isBlackInk(QColor c)
{
    return c.alpha() > 200 && c.red() < 80 && c.green() < 80 && c.blue() < 80;
}

} // namespace

void TestCardFace::sizeAtEachPixelRatio()
{
    for (const qreal ratio : {1.0, 1.5, 2.0}) {
        const QPixmap face = cards::renderCardFace(1, ratio);
        QCOMPARE(face.devicePixelRatio(), ratio);
        QCOMPARE(face.deviceIndependentSize().toSize(), cards::kCardFaceSize);
        QCOMPARE(face.size(), (QSizeF(cards::kCardFaceSize) * ratio).toSize());
    }
}

void TestCardFace::roundedCornersAreTransparent()
{
    for (int k = 1; k <= cards::kDeckSize; k += 5) {
        const QImage face = faceImage(k);
        QCOMPARE(qAlpha(face.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(face.pixel(70, 95)), 0);
        QCOMPARE(qAlpha(face.pixel(35, 48)), 255);
    }
}

void TestCardFace::cornerIndexHasTheSuitsColour()
{
    for (int k = 1; k <= cards::kDeckSize; ++k) {
        const bool red =
            cards::suitOf(k) == cards::Suit::Diamonds || cards::suitOf(k) == cards::Suit::Hearts;
        const QImage face = faceImage(k, 2.0);
        int redInk = 0;
        int blackInk = 0;
        // The top-left corner index: rank and small pip, inside the border.
        for (int y = 6; y < 56; ++y) {
            for (int x = 6; x < 26; ++x) {
                const QColor c = face.pixelColor(x, y);
                redInk += isRedInk(c) ? 1 : 0;
                blackInk += isBlackInk(c) ? 1 : 0;
            }
        }
        const QByteArray name = cards::cardName(k).toUtf8();
        if (red) {
            QVERIFY2(redInk > 40, name.constData());
            QVERIFY2(blackInk < redInk / 10, name.constData());
        } else {
            QVERIFY2(blackInk > 40, name.constData());
            QCOMPARE(redInk, 0);
        }
    }
}

void TestCardFace::cornerIndexStandsClear()
{
    // A bare strip beside each corner index down past its small suit sign; a pip reaching into
    // it reads as a pair with that sign at the size the window shows. On a court card the rank
    // keeps two bare pixel columns before the panel, or it reads as touching it.
    for (int k = 1; k <= cards::kDeckSize; ++k) {
        const int rank = cards::rankPosition(k);
        if (rank == 1)
            continue;
        const QByteArray name = cards::cardName(k).toUtf8();
        for (const int ratio : {1, 2}) {
            const QImage face = faceImage(k, ratio);
            const int right = face.width() - 1;
            const int bottom = face.height() - 1;
            const bool court = rank > 10;
            const int fromX = (court ? 10 : 12) * ratio;
            const int toX = (court ? 12 : 17) * ratio - 1;
            const int toY = (court ? 13 : 27) * ratio - 1;
            for (int y = ratio; y <= toY; ++y) {
                for (int x = fromX; x <= toX; ++x) {
                    QVERIFY2(face.pixel(x, y) == qRgb(255, 255, 255), name.constData());
                    QVERIFY2(face.pixel(right - x, bottom - y) == qRgb(255, 255, 255),
                             name.constData());
                }
            }
        }
    }
}

void TestCardFace::indexSignStandsAboveThePips()
{
    // At 1x a corner sign level with the top row of pips reads as one more pip in that row, so
    // on the cards with pips in the outer columns it keeps wholly above that row.
    const auto inkRuns = [](const QImage &face, int fromX, int toX) {
        std::vector<std::pair<int, int>> runs; // first and last row of each run of inked rows
        for (int y = 2; y < face.height() / 2; ++y) {
            bool ink = false;
            for (int x = fromX; x <= toX && !ink; ++x)
                ink = face.pixel(x, y) != qRgb(255, 255, 255);
            if (ink && (runs.empty() || runs.back().second != y - 1))
                runs.emplace_back(y, y);
            else if (ink)
                runs.back().second = y;
        }
        return runs;
    };
    for (int k = 1; k <= cards::kDeckSize; ++k) {
        const int rank = cards::rankPosition(k);
        if (rank < 4 || rank > 10)
            continue;
        const QByteArray name = cards::cardName(k).toUtf8();
        const QImage face = faceImage(k);
        const auto index = inkRuns(face, 2, 11); // the rank, then its sign
        const auto pips = inkRuns(face, 17, 30); // the top left pip first
        QVERIFY2(index.size() >= 2 && !pips.empty(), name.constData());
        QVERIFY2(index.at(1).second < pips.front().first, name.constData());
    }
}

void TestCardFace::everyFaceIsDifferent()
{
    QSet<QByteArray> seen;
    for (int k = 1; k <= cards::kDeckSize; ++k) {
        const QImage face = faceImage(k);
        seen.insert(
            QByteArray(reinterpret_cast<const char *>(face.constBits()), face.sizeInBytes()));
    }
    QCOMPARE(seen.size(), cards::kDeckSize);

    // Court figures of two suits of one colour must differ in the figure itself, not only in
    // the small pips beside it: the suit should read from the person.
    for (int rank = 11; rank <= 13; ++rank) {
        for (const auto &[a, b] : {std::pair{0, 3}, std::pair{1, 2}}) {
            const QRect figure(24, 10, 33, 37);
            const int differing =
                differingPixels(faceImage(a * 13 + rank), faceImage(b * 13 + rank), figure);
            const int total = figure.width() * figure.height();
            const QByteArray pair =
                (cards::cardName(a * 13 + rank) + " / "_L1 + cards::cardName(b * 13 + rank))
                    .toUtf8();
            QVERIFY2(differing > total / 5, pair.constData());
        }
    }

    // The King, Queen and Knight of one suit differ in their dress, not only in head and hands:
    // the body between the arms, below the collars and above the middle band.
    for (int suit = 0; suit < 4; ++suit) {
        for (const auto &[a, b] : {std::pair{11, 12}, std::pair{11, 13}, std::pair{12, 13}}) {
            const QRect dress(27, 39, 18, 8);
            const int differing =
                differingPixels(faceImage(suit * 13 + a), faceImage(suit * 13 + b), dress);
            const int total = dress.width() * dress.height();
            const QByteArray pair =
                (cards::cardName(suit * 13 + a) + " / "_L1 + cards::cardName(suit * 13 + b))
                    .toUtf8();
            QVERIFY2(differing > total / 2, pair.constData());
        }
    }
}

QTEST_MAIN(TestCardFace)
#include "tst_cardface.moc"
