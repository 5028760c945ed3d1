#include "app/PushButton.h"

#include <QPushButton>

namespace app {

QPushButton *newPushButton(const QString &text, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setAutoDefault(true);
    return button;
}

} // namespace app
