#pragma once

#include <QAccessible>

class QAbstractItemView;
class QWidget;

namespace ui {

// What a screen reader is told about a widget, where Qt's own guess is wrong.

// `widget` is read as `role` (a card picture as an image, a plain widget window as a window, an
// outline as a nameless filler: QAccessible::Client).
void readAs(QWidget *widget, QAccessible::Role role);

// `widget` exists and may take the focus, but lies where nobody sees it: read as `role`, it is
// not reported as showing.
void readAsUnseen(QWidget *widget, QAccessible::Role role);

// When `view` takes the keyboard, a screen reader hears its current entry, as it does when the
// entry changes; Qt itself says only that the view has the keyboard.
void readCurrentOnFocus(QAbstractItemView *view);

// Makes the kit's own widgets (links) read as what they are; repeated calls do nothing.
void installKitAccessibility();

} // namespace ui
