#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

namespace ui {

// Gives `widget` a colour of its own; a background colour is also painted, not only inherited.
void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour);

} // namespace ui
