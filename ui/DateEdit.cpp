#include "ui/DateEdit.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace ui {

QDateEdit *newDateEdit(const QString &name, QWidget *parent)
{
    auto *edit = new QDateEdit(parent);
    QString format = QLocale::system().dateFormat(QLocale::ShortFormat);
    if (!format.contains(u"yyyy"_s))
        format.replace(u"yy"_s, u"yyyy"_s);
    edit->setDisplayFormat(format);
    edit->setCalendarPopup(true);
    edit->setAccessibleName(name);
    // The keyboard's focus rests in the text inside, so that is what a screen reader names.
    for (QLineEdit *text : edit->findChildren<QLineEdit *>())
        text->setAccessibleName(name);
    return edit;
}

} // namespace ui
