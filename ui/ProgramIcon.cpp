#include "ui/ProgramIcon.h"

#include <QColor>
#include <QGuiApplication>
#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPixmap>
#include <QRadialGradient>
#include <QRectF>
#include <QTransform>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace ui {
namespace {

constexpr QColor kBackBlue{36, 69, 143};
constexpr QColor kBackBlueDark{22, 42, 96};
constexpr QColor kBackLine{132, 162, 228};
constexpr QColor kPaper{255, 255, 255};
constexpr QColor kBorder{52, 52, 58};
constexpr QColor kSunCore{255, 226, 110};
constexpr QColor kSunEdge{236, 128, 24};
constexpr QColor kRay{242, 166, 28};
constexpr QColor kHeart{200, 16, 46};

QPainterPath heartPath(QPointF centre, qreal size)
{
    const qreal h = size / 2.0;
    QPainterPath p;
    p.moveTo(centre.x(), centre.y() + h);
    p.cubicTo(centre.x() - 0.2 * h, centre.y() + 0.72 * h, centre.x() - h, centre.y() + 0.2 * h,
              centre.x() - h, centre.y() - 0.38 * h);
    p.cubicTo(centre.x() - h, centre.y() - 0.8 * h, centre.x() - 0.72 * h, centre.y() - h,
              centre.x() - 0.49 * h, centre.y() - h);
    p.cubicTo(centre.x() - 0.22 * h, centre.y() - h, centre.x() - 0.06 * h, centre.y() - 0.82 * h,
              centre.x(), centre.y() - 0.62 * h);
    p.cubicTo(centre.x() + 0.06 * h, centre.y() - 0.82 * h, centre.x() + 0.22 * h, centre.y() - h,
              centre.x() + 0.49 * h, centre.y() - h);
    p.cubicTo(centre.x() + 0.72 * h, centre.y() - h, centre.x() + h, centre.y() - 0.8 * h,
              centre.x() + h, centre.y() - 0.38 * h);
    p.cubicTo(centre.x() + h, centre.y() + 0.2 * h, centre.x() + 0.2 * h, centre.y() + 0.72 * h,
              centre.x(), centre.y() + h);
    p.closeSubpath();
    return p;
}

// Sun of `rays` (8 or 16) points around `centre`; alternate rays are shorter when `rays` is
// large. The rays turn by steps whose cosine and sine come from the half-angle formula, and the
// icon's other turns are fixed angles written out: the library's trigonometry would map a fifth
// of a megabyte of its tables into memory at start, for one small picture.
void paintSun(QPainter &painter, QPointF centre, qreal radius, int rays, bool gradient)
{
    // A ray's base spans 0.62 of its share of the circle.
    const bool sixteen = rays >= 12;
    const qreal spreadCos = sixteen ? 0.9925992326887378 : 0.9705064734685425;
    const qreal spreadSin = sixteen ? 0.12143625185968468 : 0.24107506083303865;
    const qreal eighth = std::sqrt(0.5);
    const qreal stepCos = sixteen ? std::sqrt((1.0 + eighth) / 2.0) : eighth;
    const qreal stepSin = sixteen ? std::sqrt((1.0 - eighth) / 2.0) : eighth;

    QPainterPath rayPath;
    const qreal inner = radius * 1.12;
    QPointF along(0.0, -1.0); // straight up first, then clockwise on screen
    for (int i = 0; i < rays; ++i) {
        const qreal outer = radius * ((sixteen && i % 2 == 1) ? 1.62 : 1.95);
        const QPointF across(-along.y(), along.x());
        const QPointF side = across * spreadSin;
        rayPath.moveTo(centre + (along * spreadCos - side) * inner);
        rayPath.lineTo(centre + along * outer);
        rayPath.lineTo(centre + (along * spreadCos + side) * inner);
        rayPath.closeSubpath();
        along = QPointF(along.x() * stepCos - along.y() * stepSin,
                        along.x() * stepSin + along.y() * stepCos);
    }
    painter.setPen(Qt::NoPen);
    painter.fillPath(rayPath, kRay);
    if (gradient) {
        QRadialGradient g(centre - QPointF(radius * 0.3, radius * 0.3), radius * 1.3);
        g.setColorAt(0.0, kSunCore);
        g.setColorAt(1.0, kSunEdge);
        painter.setBrush(g);
    } else {
        painter.setBrush(QColor(248, 170, 30));
    }
    painter.drawEllipse(centre, radius, radius);
}

// At 16 to 19 px every part is whole pixels: a 12 x 14 face with a 4 px sun at its exact
// centre, rays two pixels wide so they stay centred too.
void paintTinyIcon(QPainter &painter, qreal s)
{
    const qreal x0 = std::round(s) - 12.0;
    const qreal y0 = std::round(s) - 14.0;
    const QRectF back(x0 - 4.0, y0 - 2.0, 10.0, 13.0);
    const QRectF front(x0, y0, 12.0, 14.0);

    painter.setPen(QPen(kBackBlueDark, 1.0));
    painter.setBrush(kBackBlue);
    painter.drawRoundedRect(back.adjusted(0.5, 0.5, -0.5, -0.5), 1.5, 1.5);
    painter.setPen(QPen(kBorder, 1.0));
    painter.setBrush(kPaper);
    painter.drawRoundedRect(front.adjusted(0.5, 0.5, -0.5, -0.5), 1.5, 1.5);

    const QPointF c = front.center();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(248, 170, 30));
    painter.drawEllipse(c, 2.0, 2.0);
    for (const QRectF &ray :
         {QRectF(-1, -4, 2, 1), QRectF(-1, 3, 2, 1), QRectF(-4, -1, 1, 2), QRectF(3, -1, 1, 2)})
        painter.fillRect(ray.translated(c), kRay);
    for (const QPointF &d : {QPointF(-3, -3), QPointF(2, -3), QPointF(-3, 2), QPointF(2, 2)})
        painter.fillRect(QRectF(c + d, QSizeF(1.0, 1.0)),
                         QColor(kRay.red(), kRay.green(), kRay.blue(), 170));
}

// 20 to 29 px: the same two upright cards on whole pixels, with a plain sun.
void paintSmallIcon(QPainter &painter, qreal s)
{
    const auto px = [s](qreal f) { return std::round(f * s); };
    const QRectF back(px(0.04), px(0.04), px(0.58), px(0.76));
    const QRectF front(px(0.34), px(0.16), s - px(0.34) - px(0.02), s - px(0.16));

    painter.setPen(QPen(kBackBlueDark, 1.0));
    painter.setBrush(kBackBlue);
    painter.drawRoundedRect(back.adjusted(0.5, 0.5, -0.5, -0.5), 2.0, 2.0);
    painter.setPen(QPen(kBackLine, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(back.adjusted(2.5, 2.5, -2.5, -2.5));

    painter.setPen(QPen(kBorder, 1.0));
    painter.setBrush(kPaper);
    painter.drawRoundedRect(front.adjusted(0.5, 0.5, -0.5, -0.5), 2.0, 2.0);
    paintSun(painter, front.center(), front.width() * 0.19, 8, false);
}

QPainterPath cardOutline(QRectF rect, qreal radius)
{
    QPainterPath p;
    p.addRoundedRect(rect, radius, radius);
    return p;
}

// 30 px and up: a fanned pair, drawn on a 256 unit square, with more detail as it grows.
void paintLargeIcon(QPainter &painter, qreal s)
{
    painter.scale(s / 256.0, s / 256.0);
    const qreal unitsPerPixel = 256.0 / s;
    const qreal border = std::max(3.5, unitsPerPixel * 1.1);
    const QRectF card(-68.0, -96.0, 136.0, 192.0);
    const QPainterPath outline = cardOutline(card, 13.0);

    // Turned 13 degrees back and 10 degrees forward.
    const QTransform backAt(0.9743700647852352, -0.224951054343865, 0.224951054343865,
                            0.9743700647852352, 111.0, 127.0);
    const QTransform frontAt(0.984807753012208, 0.17364817766693033, -0.17364817766693033,
                             0.984807753012208, 147.0, 124.0);
    const QTransform view = painter.transform();

    if (s >= 64) {
        // Soft shadow from a few widening translucent copies.
        for (int i = 0; i < 3; ++i) {
            const qreal grow = 2.0 + 3.0 * i;
            const QPainterPath shade =
                cardOutline(card.adjusted(-grow, -grow, grow, grow), 13.0 + grow);
            for (const QTransform &at : {backAt, frontAt}) {
                painter.setTransform(QTransform::fromTranslate(4.0, 7.0) * at * view);
                painter.fillPath(shade, QColor(0, 0, 0, 22 - 6 * i));
            }
        }
    }

    // Back of the second card.
    painter.setTransform(backAt * view);
    QLinearGradient backFill(card.topLeft(), card.bottomRight());
    backFill.setColorAt(0.0, kBackBlue.lighter(118));
    backFill.setColorAt(1.0, kBackBlue);
    painter.setPen(QPen(kBackBlueDark, border));
    painter.setBrush(backFill);
    painter.drawPath(outline);
    const QRectF inner = card.adjusted(14.0, 14.0, -14.0, -14.0);
    if (s >= 48) {
        painter.save();
        painter.setClipRect(inner);
        QPainterPath lattice;
        for (qreal d = -260.0; d <= 260.0; d += 24.0) {
            lattice.moveTo(d - 200.0, -200.0);
            lattice.lineTo(d + 200.0, 200.0);
            lattice.moveTo(d + 200.0, -200.0);
            lattice.lineTo(d - 200.0, 200.0);
        }
        painter.strokePath(lattice, QPen(QColor(255, 255, 255, 46), std::max(3.0, unitsPerPixel)));
        painter.restore();
    }
    painter.setPen(QPen(kBackLine, std::max(4.0, unitsPerPixel * 1.2)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(inner, 6.0, 6.0);

    // Face of the card of the day: a sun in the middle.
    painter.setTransform(frontAt * view);
    painter.setPen(QPen(kBorder, border));
    painter.setBrush(kPaper);
    painter.drawPath(outline);
    if (s >= 64) {
        QRadialGradient glow(QPointF(0.0, 0.0), 64.0);
        glow.setColorAt(0.0, QColor(255, 214, 110, 150));
        glow.setColorAt(1.0, QColor(255, 214, 110, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(glow);
        painter.drawEllipse(QPointF(0.0, 0.0), 64.0, 64.0);
    }
    paintSun(painter, QPointF(0.0, 0.0), s >= 48 ? 30.0 : 36.0, s >= 48 ? 16 : 8, s >= 48);
    if (s >= 48) {
        painter.fillPath(heartPath(card.topLeft() + QPointF(22.0, 26.0), 22.0), kHeart);
        painter.setTransform(QTransform().rotate(180.0) * frontAt * view);
        painter.fillPath(heartPath(card.topLeft() + QPointF(22.0, 26.0), 22.0), kHeart);
    }
}

} // namespace

void paintProgramIcon(QPainter &painter, const QRectF &target)
{
    const qreal s = std::min(target.width(), target.height());
    if (s <= 0.0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(target.left() + (target.width() - s) / 2.0,
                      target.top() + (target.height() - s) / 2.0);
    if (s < 20.0)
        paintTinyIcon(painter, s);
    else if (s < 30.0)
        paintSmallIcon(painter, s);
    else
        paintLargeIcon(painter, s);
    painter.restore();
}

namespace {

// Draws each size when first asked for and keeps it. QIcon's own engine would also put scaled
// copies in QPixmapCache, whose clean-up timer then wakes the idle program half a minute later.
class ProgramIconEngine final : public QIconEngine {
public:
    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const qsizetype known = m_sizes.indexOf(size);
        if (known >= 0)
            return m_pixmaps.at(known);
        QPixmap drawn(size);
        drawn.fill(Qt::transparent);
        QPainter painter(&drawn);
        paintProgramIcon(painter, QRectF(QPointF(0, 0), QSizeF(size)));
        painter.end();
        m_sizes.append(size);
        m_pixmaps.append(drawn);
        return drawn;
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap drawn = pixmap((QSizeF(rect.size()) * ratio).toSize(), mode, state);
        drawn.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, drawn);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        // The sizes windows, panels and trays show; launchers take the larger ones from the
        // installed icon theme.
        return {{16, 16}, {22, 22}, {24, 24}, {32, 32}, {48, 48}, {64, 64}};
    }

    QIconEngine *clone() const override { return new ProgramIconEngine(*this); }
    QString key() const override { return u"tarvelle-program-icon"_s; }

private:
    QList<QSize> m_sizes;
    QList<QPixmap> m_pixmaps;
};

} // namespace

const QIcon &programIcon()
{
    static const QIcon icon(new ProgramIconEngine);
    return icon;
}

void useProgramIconForWindows()
{
    if (QGuiApplication::windowIcon().cacheKey() != programIcon().cacheKey())
        QGuiApplication::setWindowIcon(programIcon());
}

} // namespace ui
