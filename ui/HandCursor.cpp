#include "ui/HandCursor.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace ui {

namespace {

// Drawn on a 32 x 32 grid: the index finger points up, its tip is the hot spot.
QPixmap handPixmap()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    QPainterPath hand;
    hand.addRoundedRect(QRectF(9.5, 1.5, 5, 17), 2.5, 2.5);    // index finger
    hand.addRoundedRect(QRectF(14.5, 9.5, 4.5, 10), 2.2, 2.2); // middle finger
    hand.addRoundedRect(QRectF(19, 10.5, 4.5, 9), 2.2, 2.2);   // ring finger
    hand.addRoundedRect(QRectF(23.5, 12, 4, 8), 2, 2);         // little finger
    QPainterPath thumb;
    thumb.moveTo(10, 21);
    thumb.cubicTo(7, 18.5, 4.5, 15, 3.5, 16.5);
    thumb.cubicTo(2.5, 18, 5.5, 23, 9.5, 27);
    hand.addPath(thumb);
    hand.addRoundedRect(QRectF(9.5, 16, 18, 14.5), 4.5, 4.5); // palm
    hand = hand.simplified();

    painter.setPen(QPen(Qt::black, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::white);
    painter.drawPath(hand);
    // Knuckle creases keep the folded fingers readable at cursor size.
    painter.setPen(QPen(Qt::black, 1.0));
    painter.drawLine(QPointF(14.5, 13), QPointF(14.5, 18));
    painter.drawLine(QPointF(19, 13.5), QPointF(19, 18.5));
    painter.drawLine(QPointF(23.5, 15), QPointF(23.5, 19));
    return pixmap;
}

} // namespace

QCursor pointingHandCursor()
{
    static const QPixmap pixmap = handPixmap();
    return QCursor(pixmap, 12, 2);
}

} // namespace ui
