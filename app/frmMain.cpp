#include "app/frmMain.h"

#include "app/CardPanel.h"
#include "app/CardPicture.h"
#include "app/FittedLabel.h"
#include "app/Geometry.h"
#include "app/RandomGenerator.h"
#include "app/SettingsPanel.h"
#include "cards/CardDraw.h"
#include "cards/Deck.h"
#include "settings/SettingKeys.h"
#include "settings/SettingValues.h"
#include "settings/SettingsStore.h"

#include <QPushButton>
#include <QStackedWidget>

using namespace Qt::StringLiterals;

namespace app {

namespace {

constexpr QSize kClientSize{474, 480};

} // namespace

frmMain::frmMain(Services services, QWidget *parent)
    : QMainWindow(parent), m_services(services)
{
    setWindowTitle(u"Tarvelle v1.20"_s);

    auto *client = new QWidget(this);
    client->setFixedSize(kClientSize);
    client->setAutoFillBackground(true);
    QPalette white = client->palette();
    white.setColor(QPalette::Window, Qt::white);
    client->setPalette(white);
    setCentralWidget(client);

    m_panels = new QStackedWidget(client);
    m_panels->setGeometry(twipsRect(60, 600, 7005, 5355));
    fraSettings = new SettingsPanel(m_panels);
    fraRune = new CardPanel(m_panels);
    m_panels->addWidget(fraSettings);
    m_panels->addWidget(fraRune);
    bringCardPanelToFront();

    connect(fraRune->cmdSettings, &QPushButton::clicked, this,
            &frmMain::bringSettingsPanelToFront);
}

void frmMain::ShowCard(int index)
{
    const cards::Card shown = cards::card(index);
    fraRune->picCard->setCard(index);
    fraSettings->picCard2->setCard(index);
    fraRune->lblCardName->setFittedText(shown.name);
    fraRune->lblCardDesc->setFittedText(shown.description);
    fraRune->lblKeywards->setFittedText(shown.keywords);
    fraRune->lblAlternativeName->setFittedText(shown.favourablePeriod);
    m_services.store.WriteSetting(settings::keys::Card, settings::integerText(index));
}

void frmMain::ShowRandomCard()
{
    ShowCard(cards::cardForRandom(m_services.random.next()));
}

void frmMain::bringCardPanelToFront()
{
    m_panels->setCurrentWidget(fraRune);
}

void frmMain::bringSettingsPanelToFront()
{
    m_panels->setCurrentWidget(fraSettings);
}

bool frmMain::isCardPanelInFront() const
{
    return m_panels->currentWidget() == fraRune;
}

} // namespace app
