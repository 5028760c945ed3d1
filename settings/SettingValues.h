#pragma once

#include <QString>

#include <optional>

// The text forms of stored values.
namespace settings {

QString booleanText(bool value);
// The tray keys count only the exact word "True".
bool isExactlyTrue(const QString &text);
// The start-up key is read leniently: True/False in any letter case, or a number that is
// true when not zero. Anything else is false.
bool lenientBoolean(const QString &text);

QString integerText(int value);
// Plain decimal digits without leading zeros ("7", "52"), the form the program writes;
// nullopt for anything else, signs, blanks and "07" included.
std::optional<int> integerFromText(const QString &text);

} // namespace settings
