#pragma once

class QWidget;

namespace settings {

// Shows `window` above every ordinary window, where it is and at its size, without taking the
// keyboard away from whatever the user is doing.
void MakeTopmost(QWidget *window);

} // namespace settings
