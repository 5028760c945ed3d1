// Writes a contact sheet of every card face, the court cards enlarged, and the program icon
// to the PNG named as the first argument, for looking the artwork over by eye. A device pixel
// ratio as the second argument gives the deck alone at that ratio instead. Runs headless with
// QT_QPA_PLATFORM=offscreen. The sheet takes the application palette's window and text colours,
// so the faces can be judged against a dark desktop too (a platform theme such as qt6ct with a
// dark colour scheme).

#include "cards/CardFace.h"
#include "ui/ProgramIcon.h"

#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr int kMargin = 16;
constexpr int kLabelWidth = 70;
constexpr int kHeading = 26;
constexpr int kGap = 6;
constexpr std::array<int, 8> kIconSizes{16, 22, 24, 32, 48, 64, 128, 256};

const QStringList &suitNames()
{
    static const QStringList names{u"Clubs"_s, u"Diamonds"_s, u"Hearts"_s, u"Spades"_s};
    return names;
}

// One block of 4 x 13 faces at `dpr`, drawn 1:1 in device pixels; returns the block height.
int paintDeck(QPainter &painter, int top, qreal dpr)
{
    const QSize face = cards::kCardFaceSize * dpr;
    const int gap = qRound(kGap * dpr);
    painter.drawText(QPoint(kMargin, top + 16), u"Device pixel ratio %1"_s.arg(dpr));
    top += kHeading;
    for (int suit = 0; suit < 4; ++suit) {
        const int y = top + suit * (face.height() + gap);
        painter.drawText(QRect(kMargin, y, kLabelWidth, face.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, suitNames().at(suit));
        for (int rank = 0; rank < 13; ++rank) {
            const QPixmap pixmap = cards::renderCardFace(suit * 13 + rank + 1, dpr);
            const int x = kMargin + kLabelWidth + rank * (face.width() + gap);
            // Source and target both in device pixels, so nothing is resampled.
            painter.drawPixmap(QRectF(x, y, pixmap.width(), pixmap.height()), pixmap,
                               QRectF(0, 0, pixmap.width(), pixmap.height()));
        }
    }
    return kHeading + 4 * (face.height() + gap);
}

// The twelve court cards large, a row per rank and a column per suit, so that each rank's
// four figures can be compared side by side; returns the block height.
int paintCourts(QPainter &painter, int top, qreal dpr)
{
    static const QStringList ranks{u"Kings"_s, u"Queens"_s, u"Knights"_s};
    const QSize face = cards::kCardFaceSize * dpr;
    const int gap = qRound(kGap * dpr);
    painter.drawText(QPoint(kMargin, top + 16), u"Court cards at %1"_s.arg(dpr));
    top += kHeading;
    for (int rank = 0; rank < 3; ++rank) {
        const int y = top + rank * (face.height() + gap);
        painter.drawText(QRect(kMargin, y, kLabelWidth, face.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, ranks.at(rank));
        for (int suit = 0; suit < 4; ++suit) {
            const QPixmap pixmap = cards::renderCardFace(suit * 13 + 11 + rank, dpr);
            const int x = kMargin + kLabelWidth + suit * (face.width() + gap);
            painter.drawPixmap(QRectF(x, y, pixmap.width(), pixmap.height()), pixmap,
                               QRectF(0, 0, pixmap.width(), pixmap.height()));
        }
    }
    return kHeading + 3 * (face.height() + gap);
}

int paintIcons(QPainter &painter, int top)
{
    painter.drawText(QPoint(kMargin, top + 16), u"Program icon"_s);
    top += kHeading;
    const QIcon icon = ui::programIcon();
    int x = kMargin + kLabelWidth;
    for (const int size : kIconSizes) {
        const QPixmap pixmap = icon.pixmap(QSize(size, size));
        painter.drawPixmap(QRectF(x, top + 256 - size, size, size), pixmap,
                           QRectF(0, 0, pixmap.width(), pixmap.height()));
        painter.drawText(QRect(x - 10, top + 260, size + 20, 18), Qt::AlignHCenter,
                         QString::number(size));
        x += std::max(size, 24) + 24;
    }
    return kHeading + 256 + 24;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication application(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    bool ratioGiven = args.size() == 3;
    const qreal ratio = ratioGiven ? args.at(2).toDouble(&ratioGiven) : 1.0;
    if (args.size() < 2 || args.size() > 3 || (args.size() == 3 && (!ratioGiven || ratio <= 0.0))) {
        std::fprintf(stderr, "usage: card_sheet OUTPUT.png [DEVICE_PIXEL_RATIO]\n");
        return 2;
    }

    const auto deckWidth = [](qreal dpr) {
        return kMargin * 2 + kLabelWidth + qRound(13 * (cards::kCardFaceSize.width() + kGap) * dpr);
    };
    const auto deckHeight = [](qreal dpr) {
        return kHeading + qRound(4 * (cards::kCardFaceSize.height() + kGap) * dpr);
    };
    constexpr qreal kCourtScale = 3.0;
    const int width = ratioGiven ? deckWidth(ratio) : deckWidth(2.0);
    const int height = ratioGiven
                           ? kMargin * 2 + deckHeight(ratio)
                           : kMargin * 2 + deckHeight(1.0) + deckHeight(2.0) + kHeading * 2
                                 + qRound(3 * (cards::kCardFaceSize.height() + kGap) * kCourtScale)
                                 + 256 + 24 + kGap * 6;
    QImage sheet(width, height, QImage::Format_ARGB32_Premultiplied);
    const QPalette palette = QGuiApplication::palette();
    sheet.fill(palette.color(QPalette::Window));

    QPainter painter(&sheet);
    QFont labelFont = painter.font();
    labelFont.setPixelSize(13);
    painter.setFont(labelFont);
    painter.setPen(palette.color(QPalette::WindowText));

    int top = kMargin;
    if (ratioGiven) {
        paintDeck(painter, top, ratio);
    } else {
        top += paintDeck(painter, top, 1.0) + kGap * 2;
        top += paintDeck(painter, top, 2.0) + kGap * 2;
        top += paintCourts(painter, top, kCourtScale) + kGap * 2;
        paintIcons(painter, top);
    }
    painter.end();

    if (!sheet.save(args.at(1), "PNG")) {
        std::fprintf(stderr, "card_sheet: cannot write %s\n", qPrintable(args.at(1)));
        return 1;
    }
    return 0;
}
