#include "ui/ListPopup.h"

#include <QApplication>
#include <QComboBox>
#include <QPointer>
#include <QProxyStyle>

namespace ui {

namespace {

class DropDownStyle final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returned) const override
    {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

QStyle *dropDownStyle()
{
    // One for the whole program, ended with it; the lists may outlive one another.
    static QPointer<DropDownStyle> style;
    if (!style) {
        style = new DropDownStyle;
        style->setParent(qApp);
    }
    return style;
}

} // namespace

void limitPopupRows(QComboBox *list, int rows)
{
    list->setStyle(dropDownStyle());
    list->setMaxVisibleItems(rows);
}

} // namespace ui
