#include "ui/Outline.h"

#include "ui/Accessibility.h"

#include <QFrame>

namespace ui {

void addOutline(QWidget *parent, const QRect &geometry)
{
    auto *outline = new QFrame(parent);
    outline->setFrameStyle(QFrame::Box | QFrame::Plain);
    readAs(outline, QAccessible::Client);
    outline->setGeometry(geometry);
    outline->lower();
}

} // namespace ui
