#include "settings/SettingValues.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace settings {

QString booleanText(bool value)
{
    return value ? u"True"_s : u"False"_s;
}

bool isExactlyTrue(const QString &text)
{
    return text == "True"_L1;
}

bool lenientBoolean(const QString &text)
{
    const QString word = text.trimmed();
    if (word.compare("True"_L1, Qt::CaseInsensitive) == 0)
        return true;
    if (word.compare("False"_L1, Qt::CaseInsensitive) == 0)
        return false;
    bool isNumber = false;
    const double number = word.toDouble(&isNumber);
    return isNumber && std::isfinite(number) && number != 0.0;
}

QString integerText(int value)
{
    return QString::number(value);
}

std::optional<int> integerFromText(const QString &text)
{
    if (text.isEmpty() || text.size() > 9 || (text.size() > 1 && text.front() == u'0'))
        return std::nullopt;
    // Nine digits at most, so the sum stays within an int. Read here rather than by toInt(),
    // which goes through the locale machinery and is read at every tick.
    int value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

} // namespace settings
