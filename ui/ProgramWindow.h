#pragma once

#include <QString>

class QWidget;

namespace ui {

// What every window of the program has in common, said once.

// The program's name and version as its windows' captions show them: "Tarvelle v1.20".
QString programCaption();

// A window of fixed size whose title bar holds the close box alone.
void giveCloseBoxOnly(QWidget *window);

// Moves `window` so that its frame, title bar included, is centred on its screen's work area.
void centreOnScreen(QWidget *window);

// Shows `window` above every ordinary window, where it is and at its size. Shown for the first
// time, it is activated like any new window, so the keyboard goes to it.
void makeTopmost(QWidget *window);

} // namespace ui
