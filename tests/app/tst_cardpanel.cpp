#include "app/CardPanel.h"
#include "app/CardPicture.h"
#include "app/SettingsPanel.h"
#include "app/frmMain.h"
#include "cards/Deck.h"
#include "ui/FittedLabel.h"

#include "ProgramDoubles.h"

#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

class TestCardPanel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void picturesStartAtTheAceOfClubs();
    void showCardFillsEverything();
    void showCardLeavesThePanelOrderAlone();
    void showRandomCardTakesTheGeneratorsValue();
    void everyCardsTextFitsItsBox();
    void settingsButtonBringsTheSettingsPanel();

private:
    std::unique_ptr<ProgramDoubles> m_world;
    app::frmMain *m_window = nullptr;
};

void TestCardPanel::init()
{
    m_world = std::make_unique<ProgramDoubles>();
    m_window = new app::frmMain(m_world->services(), m_world->launch);
}

void TestCardPanel::cleanup()
{
    delete m_window;
    m_window = nullptr;
}

void TestCardPanel::picturesStartAtTheAceOfClubs()
{
    QCOMPARE(m_window->fraRune->picCard->card(), 1);
    QCOMPARE(m_window->fraSettings()->picCard2->card(), 1);
    QVERIFY(m_world->store.writes.isEmpty());
}

void TestCardPanel::showCardFillsEverything()
{
    m_window->ShowCard(7);
    const app::CardPanel *panel = m_window->fraRune;
    QCOMPARE(panel->picCard->card(), 7);
    QCOMPARE(m_window->fraSettings()->picCard2->card(), 7);
    QCOMPARE(panel->picCard->accessibleName(), u"Seven Of Clubs"_s);
    QCOMPARE(panel->lblCardName->text(), u"Seven Of Clubs"_s);
    QCOMPARE(panel->lblAlternativeName->text(), u"7th week of the spring season."_s);
    QCOMPARE(panel->lblKeywards->text(), cards::card(7).keywords);
    QCOMPARE(panel->lblCardDesc->text(), cards::card(7).description);
    QCOMPARE(m_world->store.writes, (QList<QPair<QString, QString>>{{u"Card"_s, u"7"_s}}));

    // Showing the same card again still records it.
    m_window->ShowCard(7);
    QCOMPARE(m_world->store.writes.size(), 2);
    m_window->ShowCard(52);
    QCOMPARE(panel->lblCardName->text(), u"Knights Of Spades"_s);
    QCOMPARE(m_world->store.values.value(u"Card"_s), u"52"_s);
}

void TestCardPanel::showCardLeavesThePanelOrderAlone()
{
    m_window->bringSettingsPanelToFront();
    m_window->ShowCard(12);
    QVERIFY(!m_window->isCardPanelInFront());
    QCOMPARE(m_window->fraRune->lblCardName->text(), u"Queen Of Clubs"_s);
    QCOMPARE(m_window->fraSettings()->picCard2->card(), 12);

    m_window->bringCardPanelToFront();
    m_window->ShowCard(13);
    QVERIFY(m_window->isCardPanelInFront());
}

void TestCardPanel::showRandomCardTakesTheGeneratorsValue()
{
    m_world->random.values = {0.5F, 0.0F, 0.99999994F};
    m_window->ShowRandomCard();
    QCOMPARE(m_window->fraRune->lblCardName->text(), u"Ace Of Hearts"_s);
    m_window->ShowRandomCard();
    QCOMPARE(m_world->store.values.value(u"Card"_s), u"1"_s);
    m_window->ShowRandomCard();
    QCOMPARE(m_world->store.values.value(u"Card"_s), u"52"_s);
    QCOMPARE(m_world->random.draws, 3);
    QVERIFY(m_world->random.seeds.isEmpty()); // seeding belongs to start-up alone
}

void TestCardPanel::everyCardsTextFitsItsBox()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    const app::CardPanel *panel = m_window->fraRune;
    const QList<ui::FittedLabel *> labels = {panel->lblCardName, panel->lblAlternativeName,
                                             panel->lblKeywards, panel->lblCardDesc};
    for (int k = 1; k <= cards::kDeckSize; ++k) {
        m_window->ShowCard(k);
        for (const ui::FittedLabel *label : labels) {
            QVERIFY2(label->textFits(), qPrintable(u"card %1: %2"_s.arg(k).arg(label->text())));
            // Shrinking is a last resort, not a way to hide text.
            QVERIFY2(label->font().pointSizeF() >= 6.5, qPrintable(label->text()));
            QVERIFY(panel->rect().contains(label->geometry()));
        }
    }
}

void TestCardPanel::settingsButtonBringsTheSettingsPanel()
{
    m_window->ShowCard(20);
    QVERIFY(m_window->isCardPanelInFront());
    QTest::mouseClick(m_window->fraRune->cmdSettings, Qt::LeftButton);
    QVERIFY(!m_window->isCardPanelInFront());
    QCOMPARE(m_window->fraRune->lblCardName->text(), u"Seven Of Diamond"_s);
    QCOMPARE(m_world->store.writes.size(), 1);
}

QTEST_MAIN(TestCardPanel)
#include "tst_cardpanel.moc"
