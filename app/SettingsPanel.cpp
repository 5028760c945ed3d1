#include "app/SettingsPanel.h"

#include "app/CardPicture.h"
#include "app/Geometry.h"
#include "app/Typeface.h"

#include <QFrame>

using namespace Qt::StringLiterals;

namespace app {

SettingsPanel::SettingsPanel(QWidget *parent) : QGroupBox(u"Cartomancy Card Settings"_s, parent)
{
    setFont(programFont(9.0, true));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    auto *outline = new QFrame(this);
    outline->setFrameShape(QFrame::Box);
    outline->setGeometry(twipsRect(480, 1560, 2205, 2655));

    picCard2 = new CardPicture(this);
    picCard2->move(twipsRect(1080, 1920, 1065, 1440).topLeft());
}

} // namespace app
