#pragma once

class QRect;
class QWidget;

namespace ui {

// A plain box drawn around a group of controls, behind them; screen readers pass over it as
// a nameless filler rather than a frame.
void addOutline(QWidget *parent, const QRect &geometry);

} // namespace ui
