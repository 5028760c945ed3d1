#pragma once

#include <QFont>

namespace app {

// Verdana where installed, otherwise the desktop's sans-serif.
QFont programFont(qreal pointSize, bool bold = false, bool underline = false);

} // namespace app
