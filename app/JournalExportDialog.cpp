#include "app/JournalExportDialog.h"

#include "ui/Colours.h"
#include "ui/DateEdit.h"
#include "ui/ProgramWindow.h"

#include <QButtonGroup>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace app {

JournalExportDialog::JournalExportDialog(QDate oldest, QDate newest, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(u"exportDialog"_s);
    setWindowTitle(tr("Export") + u" - "_s + ui::programCaption());
    setWindowModality(Qt::WindowModal);
    if (parent) {
        // A window of its own inherits neither, so it is given the journal's.
        setFont(parent->font());
        ui::setColour(this, QPalette::Window, Qt::white);
    }

    auto *every = new QRadioButton(tr("E&very day"), this);
    every->setObjectName(u"everyDay"_s);
    every->setChecked(true);
    m_between = new QRadioButton(tr("Days &from"), this);
    m_between->setObjectName(u"between"_s);
    m_from = ui::newDateEdit(tr("First day"), this);
    m_from->setObjectName(u"from"_s);
    auto *toLabel = new QLabel(tr("&to"), this);
    m_to = ui::newDateEdit(tr("Last day"), this);
    m_to->setObjectName(u"to"_s);
    toLabel->setBuddy(m_to);
    for (QDateEdit *edit : {m_from, m_to}) {
        edit->setDateRange(oldest, newest);
        edit->setEnabled(false);
        connect(m_between, &QRadioButton::toggled, edit, &QWidget::setEnabled);
    }
    m_from->setDate(oldest);
    m_to->setDate(newest);
    auto *range = new QButtonGroup(this);
    range->addButton(every);
    range->addButton(m_between);

    auto *markdown = new QRadioButton(tr("&Markdown"), this);
    markdown->setObjectName(u"markdown"_s);
    markdown->setChecked(true);
    m_csv = new QRadioButton(tr("&CSV, for spreadsheets"), this);
    m_csv->setObjectName(u"csv"_s);
    auto *format = new QButtonGroup(this);
    format->addButton(markdown);
    format->addButton(m_csv);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("&Export…"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QGridLayout(this);
    layout->addWidget(new QLabel(tr("Which days"), this), 0, 0, 1, 4);
    layout->addWidget(every, 1, 0, 1, 4);
    layout->addWidget(m_between, 2, 0);
    layout->addWidget(m_from, 2, 1);
    layout->addWidget(toLabel, 2, 2);
    layout->addWidget(m_to, 2, 3);
    layout->addWidget(new QLabel(tr("As"), this), 3, 0, 1, 4);
    layout->addWidget(markdown, 4, 0, 1, 4);
    layout->addWidget(m_csv, 5, 0, 1, 4);
    layout->addWidget(buttons, 6, 0, 1, 4);
}

journal::DayRange JournalExportDialog::range() const
{
    if (!m_between->isChecked())
        return {};
    return {std::min(m_from->date(), m_to->date()), std::max(m_from->date(), m_to->date())};
}

JournalExportDialog::Format JournalExportDialog::format() const
{
    return m_csv->isChecked() ? Format::Csv : Format::Markdown;
}

} // namespace app
