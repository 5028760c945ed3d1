#pragma once

#include <QFont>

namespace ui {

// Verdana where installed, otherwise the desktop's sans-serif.
QFont programFont(qreal pointSize, bool bold = false, bool underline = false);

} // namespace ui
