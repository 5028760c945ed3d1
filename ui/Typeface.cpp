#include "ui/Typeface.h"

#include <QFontDatabase>

using namespace Qt::StringLiterals;

namespace ui {

namespace {

QString programFamily()
{
    static const QString family = [] {
        const QString verdana = u"Verdana"_s;
        if (QFontDatabase::hasFamily(verdana))
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
