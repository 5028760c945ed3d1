#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

namespace ui {

// Gives `widget` a colour of its own. A background colour is also painted, not only inherited,
// and brings a whole palette with it: text, boxes and buttons on it take the program's colours,
// never the desktop theme's, so no dark theme puts light text on the program's white.
void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour);

// Every role of every group set: light boxes and buttons with dark text, `background` behind
// them and the text colour that reads best on it.
QPalette programPalette(const QColor &background);

// Black or white, whichever stands out more against `background`.
QColor textColourOn(const QColor &background);

// The program's own colours, named once.
namespace colours {
inline const QColor DarkRed{192, 0, 0};
inline const QColor Purple{128, 0, 128};
inline const QColor Navy{0, 0, 128};
inline const QColor DarkBlue{0, 0, 192};
inline const QColor Yellow{255, 255, 0};
} // namespace colours

} // namespace ui
