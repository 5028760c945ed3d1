#pragma once

#include <QCursor>

namespace ui {

// Our own pointing hand, shown over every clickable text.
QCursor pointingHandCursor();

} // namespace ui
