#include "ui/Typeface.h"

#include <QFontDatabase>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace ui {

namespace {

QString programFamily()
{
    static const QString family = [] {
        const QString verdana = u"Verdana"_s;
        // Among the installed families: hasFamily() would first put the name through the
        // font configuration's substitution rules, a pass of its own at every start.
        if (QFontDatabase::families().contains(verdana, Qt::CaseInsensitive))
            return verdana;
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    return family;
}

} // namespace

QFont programFont(qreal pointSize, bool bold, bool underline)
{
    QFont font(programFamily());
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

} // namespace ui
