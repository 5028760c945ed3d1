#include "settings/SettingValues.h"

#include <algorithm>
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
    // Only the form the program writes is a number: digits alone, no sign, blank or leading
    // zero, where toInt() would take "+7" and "07". Nine digits at most stay within an int.
    if (text.isEmpty() || text.size() > 9 || (text.size() > 1 && text.front() == u'0'))
        return std::nullopt;
    if (!std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    return text.toInt();
}

} // namespace settings
