#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

namespace ui {

// Gives `widget` a colour of its own; a background colour is also painted, not only inherited.
void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour);

// The program's own colours, named once.
namespace colours {
inline const QColor DarkRed{192, 0, 0};
inline const QColor Purple{128, 0, 128};
inline const QColor Navy{0, 0, 128};
inline const QColor DarkBlue{0, 0, 192};
inline const QColor Yellow{255, 255, 0};
} // namespace colours

} // namespace ui
