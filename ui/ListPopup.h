#pragma once

class QComboBox;

namespace ui {

// Opens `list` as a popup of at most `rows` rows with a scroll bar. Styles that open the popup
// over the list itself (Fusion among them) ignore the row count and fill the screen with a long
// list.
void limitPopupRows(QComboBox *list, int rows);

} // namespace ui
