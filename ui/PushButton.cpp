#include "ui/PushButton.h"

#include <QPushButton>

namespace ui {

QPushButton *newPushButton(const QString &text, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setAutoDefault(true);
    return button;
}

} // namespace ui
