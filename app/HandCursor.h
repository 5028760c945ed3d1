#pragma once

#include <QCursor>

namespace app {

// Our own pointing hand, shown over every clickable text.
QCursor pointingHandCursor();

} // namespace app
