#pragma once

#include <QString>

class QPushButton;
class QWidget;

namespace ui {

// A push button that Enter presses while it has the focus, in any window: Qt does that only
// inside dialogs, while desktops do it everywhere.
QPushButton *newPushButton(const QString &text, QWidget *parent);

} // namespace ui
