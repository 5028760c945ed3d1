#include "app/CardPanel.h"
#include "app/CardPicture.h"
#include "app/MainWindow.h"
#include "app/SettingsPanel.h"
#include "cards/Deck.h"
#include "ui/FittedLabel.h"

#include "ProgramDoubles.h"
#include "WidgetNamed.h"

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
    app::MainWindow *m_window = nullptr;
};

void TestCardPanel::init()
{
    m_world = std::make_unique<ProgramDoubles>();
    m_window = new app::MainWindow(m_world->services(), m_world->launch);
}

void TestCardPanel::cleanup()
{
    delete m_window;
    m_window = nullptr;
}

void TestCardPanel::picturesStartAtTheAceOfClubs()
{
    QCOMPARE(widgetNamed<app::CardPicture>(m_window, "cardPicture")->card(), 1);
    QCOMPARE(
        widgetNamed<app::CardPicture>(m_window->settingsPanel(), "settingsCardPicture")->card(), 1);
    QVERIFY(m_world->store.writes.isEmpty());
}

void TestCardPanel::showCardFillsEverything()
{
    m_window->showCard(7);
    const app::CardPanel *panel = widgetNamed<app::CardPanel>(m_window, "cardPanel");
    QCOMPARE(widgetNamed<app::CardPicture>(panel, "cardPicture")->card(), 7);
    QCOMPARE(
        widgetNamed<app::CardPicture>(m_window->settingsPanel(), "settingsCardPicture")->card(), 7);
    QCOMPARE(widgetNamed<app::CardPicture>(panel, "cardPicture")->accessibleName(),
             u"Seven Of Clubs"_s);
    QCOMPARE(widgetNamed<ui::FittedLabel>(panel, "cardName")->text(), u"Seven Of Clubs"_s);
    QCOMPARE(widgetNamed<ui::FittedLabel>(panel, "favourablePeriod")->text(),
             u"7th week of the spring season."_s);
    QCOMPARE(widgetNamed<ui::FittedLabel>(panel, "keywords")->text(), cards::card(7).keywords);
    QCOMPARE(widgetNamed<ui::FittedLabel>(panel, "reading")->text(), cards::card(7).description);
    QCOMPARE(m_world->store.writes, (QList<QPair<QString, QString>>{{u"Card"_s, u"7"_s}}));

    // Showing the same card again still records it.
    m_window->showCard(7);
    QCOMPARE(m_world->store.writes.size(), 2);
    m_window->showCard(52);
    QCOMPARE(widgetNamed<ui::FittedLabel>(panel, "cardName")->text(), u"Knights Of Spades"_s);
    QCOMPARE(m_world->store.values.value(u"Card"_s), u"52"_s);
}

void TestCardPanel::showCardLeavesThePanelOrderAlone()
{
    m_window->bringSettingsPanelToFront();
    m_window->showCard(12);
    QVERIFY(!m_window->isCardPanelInFront());
    QCOMPARE(widgetNamed<ui::FittedLabel>(m_window, "cardName")->text(), u"Queen Of Clubs"_s);
    QCOMPARE(
        widgetNamed<app::CardPicture>(m_window->settingsPanel(), "settingsCardPicture")->card(),
        12);

    m_window->bringCardPanelToFront();
    m_window->showCard(13);
    QVERIFY(m_window->isCardPanelInFront());
}

void TestCardPanel::showRandomCardTakesTheGeneratorsValue()
{
    m_world->random.values = {0.5F, 0.0F, 0.99999994F};
    m_window->drawCard();
    QCOMPARE(widgetNamed<ui::FittedLabel>(m_window, "cardName")->text(), u"Ace Of Hearts"_s);
    m_window->drawCard();
    QCOMPARE(m_world->store.values.value(u"Card"_s), u"1"_s);
    m_window->drawCard();
    QCOMPARE(m_world->store.values.value(u"Card"_s), u"52"_s);
    QCOMPARE(m_world->random.draws, 3);
    QVERIFY(m_world->random.seeds.isEmpty()); // seeding belongs to start-up alone
}

void TestCardPanel::everyCardsTextFitsItsBox()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    const app::CardPanel *panel = widgetNamed<app::CardPanel>(m_window, "cardPanel");
    const QList<ui::FittedLabel *> labels = {
        widgetNamed<ui::FittedLabel>(panel, "cardName"),
        widgetNamed<ui::FittedLabel>(panel, "favourablePeriod"),
        widgetNamed<ui::FittedLabel>(panel, "keywords"),
        widgetNamed<ui::FittedLabel>(panel, "reading")};
    for (int k = 1; k <= cards::kDeckSize; ++k) {
        m_window->showCard(k);
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
    m_window->showCard(20);
    QVERIFY(m_window->isCardPanelInFront());
    QTest::mouseClick(widgetNamed<QPushButton>(m_window, "settingsButton"), Qt::LeftButton);
    QVERIFY(!m_window->isCardPanelInFront());
    QCOMPARE(widgetNamed<ui::FittedLabel>(m_window, "cardName")->text(), u"Seven Of Diamond"_s);
    QCOMPARE(m_world->store.writes.size(), 1);
}

QTEST_MAIN(TestCardPanel)
#include "tst_cardpanel.moc"
