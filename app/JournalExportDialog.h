#pragma once

#include "journal/JournalStore.h"

#include <QDialog>

class QDateEdit;
class QRadioButton;

namespace app {

// Which days go into an export, and as what: every day or those between two dates, as
// Markdown or as CSV for spreadsheets.
class JournalExportDialog final : public QDialog {
    Q_OBJECT

public:
    enum class Format { Markdown, Csv };

    // `oldest` and `newest` bound the dates that can be chosen.
    JournalExportDialog(QDate oldest, QDate newest, QWidget *parent);

    journal::DayRange range() const;
    Format format() const;

private:
    QRadioButton *m_between;
    QDateEdit *m_from;
    QDateEdit *m_to;
    QRadioButton *m_csv;
};

} // namespace app
