#pragma once

#include <QPixmap>
#include <QSize>

class QPainter;
class QRectF;

namespace cards {

// Logical size of a card face.
inline constexpr QSize kCardFaceSize{71, 96};

// Paints card `index` (1..52, deck order: Clubs, Diamonds, Hearts, Spades; within a suit
// Ace, 2 ... 10, King, Queen, Knight) so that it fills `target`. Coordinates are logical;
// `target` is normally 71 x 96 at the painter's origin, but any rect with that aspect works.
// An index outside 1..52 paints nothing.
void paintCardFace(QPainter &painter, const QRectF &target, int index);

// A 71 x 96 logical pixmap at the given device pixel ratio (so 142 x 192 real pixels at 2),
// transparent outside the card's rounded corners. An index outside 1..52 gives a fully
// transparent pixmap of that size.
QPixmap renderCardFace(int index, qreal devicePixelRatio);

} // namespace cards
