#pragma once

// The suits' shapes and colours, shared by the pip cards and the court figures. Internal to
// the cards library.

#include "cards/Deck.h"

#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <QSizeF>

namespace cards {

// Everything is laid out on the 71 x 96 logical face. The face is point-symmetric about its
// centre, and because both sides are whole numbers a 180 degree turn maps the pixel grid onto
// itself: whatever is crisp in the top half stays crisp in the bottom.
inline constexpr qreal kWidth = 71.0;
inline constexpr qreal kHeight = 96.0;
inline constexpr QPointF kCentre{kWidth / 2.0, kHeight / 2.0};
inline constexpr qreal kMid = kWidth / 2.0;

inline constexpr QColor kRed{200, 16, 46};
inline constexpr QColor kBlack{24, 24, 24};

bool isRed(Suit suit);
QColor suitColour(Suit suit);

QPainterPath fineUnion(const QPainterPath &a, const QPainterPath &b, qreal zoom);
QPainterPath fineDifference(const QPainterPath &a, const QPainterPath &b, qreal zoom);
QPainterPath flattened(const QPainterPath &path, qreal zoom);

// Each fills the box [-0.5, 0.5] x [-0.5, 0.5]; pipSize() gives a suit's proportions.
QPainterPath makeHeart();
QPainterPath makeDiamond();
QPainterPath makeSpadeBlade();
QPainterPath makeSpade();
QPainterPath makeClub();
const QPainterPath &suitPath(Suit suit);
QSizeF pipSize(Suit suit, qreal size);

} // namespace cards
