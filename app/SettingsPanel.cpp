#include "app/SettingsPanel.h"

#include "app/CardPicture.h"
#include "rules/DisplaySchedule.h"
#include "ui/Accessibility.h"
#include "ui/Colours.h"
#include "ui/FittedLabel.h"
#include "ui/Geometry.h"
#include "ui/ListPopup.h"
#include "ui/Outline.h"
#include "ui/PushButton.h"
#include "ui/Typeface.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

using namespace Qt::StringLiterals;

namespace app {

namespace {

// The time lists stand this far apart, in twips.
constexpr int kListColumn = 1050;

// Named by its own caption; a frame inside a frame would otherwise be read by the outer caption.
QGroupBox *newFrame(const QString &caption, QWidget *parent)
{
    auto *frame = new QGroupBox(caption, parent);
    frame->setAccessibleName(caption);
    return frame;
}

// A list of the numbers 0 .. entries - 1 as plain decimal text, with nothing chosen yet.
QComboBox *addNumberList(QWidget *parent, int entries, QPoint at, const QString &name)
{
    auto *list = new QComboBox(parent);
    for (int n = 0; n < entries; ++n)
        list->addItem(QString::number(n));
    list->setCurrentIndex(-1);
    ui::limitPopupRows(list, 12);
    list->setAccessibleName(name);
    const QRect room = ui::twipsRect(at.x(), at.y(), 615, 315);
    // Wider than its box where the font needs it, as far as the next column; lower at most to
    // the frame's edge.
    const QSize most(ui::fromTwips(kListColumn) - 6, parent->height() - room.top() - 4);
    ui::fitWidgetFont(list, ui::programFont(8.25), most);
    list->setGeometry(
        QRect(room.topLeft(), QSize(std::max(room.width(), list->sizeHint().width()),
                                    std::max(room.height(), list->sizeHint().height()))));
    return list;
}

void addListHeading(QWidget *parent, const QString &text, QPoint twipsAt, QWidget *buddy)
{
    auto *heading = new ui::FittedLabel(ui::programFont(8.25, false, true), false, parent);
    const QPoint at(ui::fromTwips(twipsAt.x()), ui::fromTwips(twipsAt.y()) - 2);
    const int width = std::min(ui::fromTwips(kListColumn) - 7, parent->width() - 3 - at.x());
    heading->setGeometry(QRect(at, QSize(width, buddy->y() - 1 - at.y())));
    heading->setFittedText(text);
    heading->setBuddy(buddy);
}

template <typename Button>
Button *addChoice(QWidget *parent, const QString &caption, const QRect &twips)
{
    auto *button = new Button(caption, parent);
    const QRect room = twips;
    // Across to the frame's edge; down to the next choice or the frame's edge.
    ui::fitWidgetFont(button, ui::programFont(8.25, true),
                      QSize(parent->width() - room.left() - 3,
                            std::min(room.height() + 8, parent->height() - room.top() - 3)));
    button->setGeometry(
        QRect(room.topLeft(), QSize(std::max(room.width(), button->sizeHint().width()),
                                    std::max(room.height(), button->sizeHint().height()))));
    return button;
}

} // namespace

SettingsPanel::SettingsPanel(QWidget *parent) : QGroupBox(tr("Cartomancy Card Settings"), parent)
{
    resize(ui::twipsRect(0, 0, 7005, 5355).size());
    setObjectName(u"settingsPanel"_s);
    setAccessibleName(title());
    ui::setColour(this, QPalette::Window, Qt::white);

    auto *invitation = new ui::FittedLabel(ui::programFont(9.0, true), true, this);
    invitation->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    ui::setColour(invitation, QPalette::WindowText, ui::colours::Purple);
    invitation->setGeometry(ui::twipsRect(480, 600, 6120, 735));
    invitation->setFittedText(
        tr("Let Tarvelle  show your Lucky Cartomancy Card for the Day! Set the time "
           "and other display settings here."));

    ui::addOutline(this, ui::twipsRect(480, 1560, 2205, 2655));
    m_picture = new CardPicture(this);
    m_picture->setObjectName(u"settingsCardPicture"_s);
    m_picture->move(ui::twipsRect(1080, 1920, 1065, 1440).topLeft());

    ui::addOutline(this, ui::twipsRect(2760, 1560, 3765, 2655));

    auto *timeFrame = newFrame(tr("Choose Display Time"), this);
    timeFrame->setGeometry(ui::twipsRect(2950, 1800, 3360, 1095));
    ui::fitFrameTitle(timeFrame, ui::programFont(8.25, true), ui::fromTwips(360) - 2);
    m_hourList = addNumberList(timeFrame, rules::schedule::kHourEntries, {285, 600}, tr("Hour"));
    m_minuteList =
        addNumberList(timeFrame, rules::schedule::kMinuteEntries, {1335, 600}, tr("Minute"));
    m_secondList =
        addNumberList(timeFrame, rules::schedule::kSecondEntries, {2400, 600}, tr("Second"));
    addListHeading(timeFrame, tr("Hour"), {360, 360}, m_hourList);
    addListHeading(timeFrame, tr("Minute"), {1320, 360}, m_minuteList);
    addListHeading(timeFrame, tr("Second"), {2400, 360}, m_secondList);

    auto *modeFrame = newFrame(tr("Choose Display Mode"), this);
    modeFrame->setGeometry(ui::twipsRect(2950, 3000, 3360, 1095));
    ui::fitFrameTitle(modeFrame, ui::programFont(8.25, true), ui::fromTwips(240));
    m_runAtStartUp = addChoice<QRadioButton>(modeFrame, tr("Run at start-up"),
                                             ui::twipsRect(480, 240, 2325, 225));
    m_startInTray = addChoice<QCheckBox>(modeFrame, tr("Start at system tray"),
                                         ui::twipsRect(720, 465, 2500, 255));
    m_dontRunAtStartUp = addChoice<QRadioButton>(modeFrame, tr("Don't run at start-up"),
                                                 ui::twipsRect(480, 720, 2535, 285));
    m_dontRunAtStartUp->setChecked(true);
    m_startInTray->setEnabled(false);

    m_showCardButton = ui::newPushButton(tr("Show &Cartomancy Card"), this);
    m_showCardButton->setObjectName(u"showCardButton"_s);
    m_showCardButton->setGeometry(ui::twipsRect(480, 4440, 6015, 495));
    ui::fitWidgetFont(m_showCardButton, ui::programFont(9.0, true), m_showCardButton->size());

    ui::fitFrameTitle(this, ui::programFont(9.0, true), invitation->y());

    setTabOrder(m_hourList, m_minuteList);
    setTabOrder(m_minuteList, m_secondList);
    setTabOrder(m_secondList, m_runAtStartUp);
    setTabOrder(m_runAtStartUp, m_startInTray);
    setTabOrder(m_startInTray, m_dontRunAtStartUp);
    setTabOrder(m_dontRunAtStartUp, m_showCardButton);

    m_hourList->setObjectName(u"hourList"_s);
    m_minuteList->setObjectName(u"minuteList"_s);
    m_secondList->setObjectName(u"secondList"_s);
    m_runAtStartUp->setObjectName(u"runAtStartUp"_s);
    m_startInTray->setObjectName(u"startInTray"_s);
    m_dontRunAtStartUp->setObjectName(u"dontRunAtStartUp"_s);
    connectControls();
}

void SettingsPanel::connectControls()
{
    connect(m_showCardButton, &QPushButton::clicked, this, &SettingsPanel::showCardRequested);
    connect(m_runAtStartUp, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Q_EMIT startUpOptionSelected(true);
    });
    connect(m_dontRunAtStartUp, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Q_EMIT startUpOptionSelected(false);
    });
    connect(m_startInTray, &QCheckBox::toggled, this, &SettingsPanel::trayBoxToggled);
    const auto pickIn = [this](QComboBox *list, rules::PanelChoices::TimeList which) {
        connect(list, &QComboBox::activated, this,
                [this, which](int entry) { Q_EMIT timePicked(which, entry); });
    };
    pickIn(m_hourList, rules::PanelChoices::TimeList::Hour);
    pickIn(m_minuteList, rules::PanelChoices::TimeList::Minute);
    pickIn(m_secondList, rules::PanelChoices::TimeList::Second);
}

void SettingsPanel::showChoices(const rules::PanelChoices &choices)
{
    const QSignalBlocker run(m_runAtStartUp);
    const QSignalBlocker dontRun(m_dontRunAtStartUp);
    const QSignalBlocker tray(m_startInTray);
    (choices.runAtStartUp() ? m_runAtStartUp : m_dontRunAtStartUp)->setChecked(true);
    m_startInTray->setChecked(choices.trayTicked());
    m_startInTray->setEnabled(choices.trayEnabled());
    m_hourList->setCurrentIndex(choices.entry(rules::PanelChoices::TimeList::Hour));
    m_minuteList->setCurrentIndex(choices.entry(rules::PanelChoices::TimeList::Minute));
    m_secondList->setCurrentIndex(choices.entry(rules::PanelChoices::TimeList::Second));
}

void SettingsPanel::showCard(int index)
{
    m_picture->setCard(index);
}

void SettingsPanel::focusHourList()
{
    m_hourList->setFocus();
}

} // namespace app
