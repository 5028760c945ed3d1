#pragma once

class QWidget;

namespace ui {

// Shows `window` above every ordinary window, where it is and at its size. Shown for the first
// time, it is activated like any new window, so the keyboard goes to it.
void MakeTopmost(QWidget *window);

} // namespace ui
