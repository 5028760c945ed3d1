#pragma once

// What the court figures are drawn with: layers of outlined shapes baked into plain fills,
// a few primitive shapes, and the robes, arms and faces that all twelve figures share.
// Internal to the cards library.

#include "cards/CourtFigures.h"
#include "cards/SuitShapes.h"

#include <QPainterPath>
#include <QPointF>

#include <initializer_list>
#include <vector>

namespace cards::kit {

// One shape of a figure in face coordinates, filled, outlined or both.
struct Layer {
    QPainterPath path;
    Ink fill = Ink::None;
    Ink stroke = Ink::None;
    qreal width = 0.0;
};

// Turns outlines into fills once, up front, so that painting a figure is nothing but fills.
Figure bake(const std::vector<Layer> &layers);

inline constexpr qreal kOutline = 0.55;

QPainterPath ellipse(qreal cx, qreal cy, qreal rx, qreal ry);
QPainterPath polygon(std::initializer_list<QPointF> points);
QPainterPath dots(std::initializer_list<QPointF> centres, qreal r);
QPainterPath line(QPointF from, QPointF to);
// Mirrored about the face's vertical centre line.
QPainterPath mirrored(const QPainterPath &path);
// Small signs of the suit at `centres`, for garment patterns and finials.
QPainterPath suitSigns(Suit suit, std::initializer_list<QPointF> centres, qreal size);

// A King's robe in the suit's colour, its open side patterned with the suit's sign in gold, and
// a straight front panel in the suit's second colour carrying the sign again.
void addRobe(std::vector<Layer> &f, Suit suit, qreal neckHalf, qreal shoulderY, qreal half,
             qreal panelTop, qreal panelHalf);
// What a Queen wears instead: a gown with a laced bodice narrowing to the waist.
void addGown(std::vector<Layer> &f, Suit suit, qreal neckHalf, qreal shoulderY, qreal half,
             qreal bodiceTop);
// And a Knight: a belted doublet with one sign on the chest and a pleated skirt.
void addTabard(std::vector<Layer> &f, Suit suit, qreal neckHalf, qreal shoulderY, qreal half,
               qreal chestTop);
// An arm with its forearm raised so the hand, just above the cuff, can hold something
// upright; `left` puts it on the viewer's left. Returns where the hand is.
QPointF addArm(std::vector<Layer> &f, qreal shoulderY, qreal half, qreal handY, Ink cuff,
               bool left = false);
void addHand(std::vector<Layer> &f, QPointF hand);
// `turn` moves the features sideways (negative: towards the viewer's left) for a face seen
// three-quarters on; the nose points the way the face turns.
void addFace(std::vector<Layer> &f, qreal cy, qreal rx, qreal ry, qreal turn = 0.0);
void addMouth(std::vector<Layer> &f, qreal x, qreal y, qreal half);
// Moustache of two curls, from the middle of the upper lip outwards.
void addMoustache(std::vector<Layer> &f, qreal x, qreal y, qreal span, Ink ink);

} // namespace cards::kit
