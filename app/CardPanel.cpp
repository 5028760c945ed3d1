#include "app/CardPanel.h"

#include "app/CardPicture.h"
#include "cards/Deck.h"
#include "ui/Accessibility.h"
#include "ui/Colours.h"
#include "ui/FittedLabel.h"
#include "ui/Geometry.h"
#include "ui/Outline.h"
#include "ui/PushButton.h"
#include "ui/Typeface.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace app {

namespace {

constexpr qreal kHeadingPoints = 8.25;
constexpr qreal kTextPoints = 8.25;
constexpr qreal kNamePoints = 9.0;

void addHeading(QWidget *parent, const QString &text, const QRect &geometry)
{
    auto *heading = new ui::FittedLabel(ui::programFont(kHeadingPoints, true, true), false, parent);
    heading->setGeometry(geometry);
    heading->setFittedText(text);
}

ui::FittedLabel *addText(QWidget *parent, const QRect &geometry, bool wrap)
{
    auto *label = new ui::FittedLabel(ui::programFont(kTextPoints), wrap, parent);
    label->setGeometry(geometry);
    return label;
}

} // namespace

CardPanel::CardPanel(QWidget *parent) : QGroupBox(tr("Cartomancy Card For The Day"), parent)
{
    setObjectName(u"cardPanel"_s);
    setAccessibleName(title());

    ui::addOutline(this, ui::twipsRect(120, 1080, 1845, 2010));
    const QRect textOutline = ui::twipsRect(2040, 240, 4845, 4530);
    ui::addOutline(this, textOutline);

    m_picture = new CardPicture(this);
    m_picture->setObjectName(u"cardPicture"_s);
    m_picture->move(ui::twipsRect(480, 1320, 1065, 1440).topLeft());

    m_name = new ui::FittedLabel(ui::programFont(kNamePoints, true, true), false, this);
    m_name->setObjectName(u"cardName"_s);
    m_name->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    ui::setColour(m_name, QPalette::WindowText, ui::colours::Purple);
    m_name->setGeometry(ui::twipsRect(120, 3240, 1785, 210));

    addHeading(this, tr("Favorable Time Period"), ui::twipsRect(2280, 360, 2220, 195));
    // The period and keyword boxes end where the next heading begins: a text that fills its box
    // would otherwise run into that heading.
    m_period = addText(this, ui::twipsRect(2280, 600, 4455, 840 - 600), false);
    m_period->setObjectName(u"favourablePeriod"_s);
    addHeading(this, tr("Keywords"), ui::twipsRect(2280, 840, 945, 195));
    m_keywords = addText(this, ui::twipsRect(2280, 1080, 4455, 1515 - 1080), true);
    m_keywords->setObjectName(u"keywords"_s);
    addHeading(this, tr("Characteristics"), ui::twipsRect(2280, 1515, 1470, 195));
    m_reading = addText(this, ui::twipsRect(2280, 1760, 4485, 2925), true);
    m_reading->setObjectName(u"reading"_s);

    m_settingsButton = ui::newPushButton(tr("&Settings"), this);
    m_settingsButton->setObjectName(u"settingsButton"_s);
    connect(m_settingsButton, &QPushButton::clicked, this, &CardPanel::settingsRequested);
    m_settingsButton->setGeometry(ui::twipsRect(2040, 4800, 4845, 495));
    ui::fitWidgetFont(m_settingsButton, ui::programFont(9.0, true), m_settingsButton->size());

    // The caption stays above the outline that it would otherwise strike through.
    resize(ui::twipsRect(0, 0, 7005, 5355).size());
    ui::fitFrameTitle(this, ui::programFont(9.0, true), textOutline.top());
}

void CardPanel::showCard(int index)
{
    const cards::Card shown = cards::card(index);
    m_picture->setCard(index);
    m_name->setFittedText(shown.name);
    m_reading->setFittedText(shown.description);
    m_keywords->setFittedText(shown.keywords);
    m_period->setFittedText(shown.favourablePeriod);
}

void CardPanel::focusSettingsButton()
{
    m_settingsButton->setFocus();
}

} // namespace app
