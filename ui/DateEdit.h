#pragma once

#include <QString>

class QDateEdit;
class QWidget;

namespace ui {

// A date box in the desktop's short form, with the whole year ("12/8/26" would read back as
// 1926), a calendar to pick from, and `name` for screen readers.
QDateEdit *newDateEdit(const QString &name, QWidget *parent);

} // namespace ui
