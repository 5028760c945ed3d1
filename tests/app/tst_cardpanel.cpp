#include "app/CardPanel.h"
#include "app/CardPicture.h"
#include "app/MainWindow.h"
#include "app/SettingsPanel.h"
#include "cards/Deck.h"
#include "ui/FittedLabel.h"
#include "ui/Typeface.h"

#include "MainWindowUser.h"
#include "ProgramDoubles.h"
#include "WidgetNamed.h"

#include <QLabel>
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
    void drawTakesTheGeneratorsValue();
    void everyCardsTextFitsItsBox();
    void fittedTextTakesTheLargestSizeThatFits();
    void settingsButtonBringsTheSettingsPanel();

private:
    // A start on a day whose card is kept, or, without `kept`, one whose card is due.
    void startWith(std::optional<int> kept);

    const QDate m_day{2026, 12, 8};
    std::unique_ptr<ProgramDoubles> m_world;
    std::unique_ptr<app::MainWindow> m_window;
};

void TestCardPanel::init()
{
    m_world = std::make_unique<ProgramDoubles>();
    m_world->clock.current = QDateTime(m_day, QTime(10, 0));
    m_window = std::make_unique<app::MainWindow>(m_world->services(), m_world->launch);
}

void TestCardPanel::cleanup()
{
    m_window.reset();
    m_world.reset();
}

void TestCardPanel::startWith(std::optional<int> kept)
{
    m_window.reset();
    const QDate due = kept ? m_day.addDays(1) : m_day;
    m_world->store.values = {{u"Hour"_s, u"7"_s},
                             {u"Card"_s, QString::number(kept.value_or(3))},
                             {u"Date"_s, due.toString(Qt::ISODate)}};
    m_world->store.writes.clear();
    m_window = std::make_unique<app::MainWindow>(m_world->services(), m_world->launch);
    m_window->start();
}

void TestCardPanel::picturesStartAtTheAceOfClubs()
{
    QCOMPARE(widgetNamed<app::CardPicture>(m_window, "cardPicture")->card(), 1);
    QCOMPARE(
        widgetNamed<app::CardPicture>(user::openSettings(m_window.get()), "settingsCardPicture")
            ->card(),
        1);
    QVERIFY(m_world->store.writes.isEmpty());
}

void TestCardPanel::showCardFillsEverything()
{
    startWith(7);
    const app::CardPanel *panel = widgetNamed<app::CardPanel>(m_window, "cardPanel");
    QCOMPARE(widgetNamed<app::CardPicture>(panel, "cardPicture")->card(), 7);
    QCOMPARE(widgetNamed<app::CardPicture>(panel, "cardPicture")->accessibleName(),
             u"Seven Of Clubs"_s);
    QCOMPARE(widgetNamed<ui::FittedLabel>(panel, "cardName")->text(), u"Seven Of Clubs"_s);
    QCOMPARE(widgetNamed<ui::FittedLabel>(panel, "favourablePeriod")->text(),
             u"7th week of the spring season."_s);
    QCOMPARE(widgetNamed<ui::FittedLabel>(panel, "keywords")->text(), cards::card(7).keywords);
    QCOMPARE(widgetNamed<ui::FittedLabel>(panel, "reading")->text(), cards::card(7).description);
    // Showing the kept card again still records it.
    QVERIFY(m_world->store.writes.contains({u"Card"_s, u"7"_s}));
    // The settings panel, built later, shows the same card.
    QCOMPARE(
        widgetNamed<app::CardPicture>(user::openSettings(m_window.get()), "settingsCardPicture")
            ->card(),
        7);
}

void TestCardPanel::drawTakesTheGeneratorsValue()
{
    const QList<std::pair<float, QString>> draws = {{0.5F, u"Ace Of Hearts"_s},
                                                    {0.0F, u"Ace Of Clubs"_s},
                                                    {0.99999994F, u"Knights Of Spades"_s}};
    for (const auto &[value, name] : draws) {
        m_world->random.values = {value};
        startWith(std::nullopt);
        QCOMPARE(widgetNamed<ui::FittedLabel>(m_window, "cardName")->text(), name);
    }
    QCOMPARE(m_world->store.values.value(u"Card"_s), u"52"_s);
    QCOMPARE(m_world->random.draws, 3);
    QVERIFY(m_world->random.seeds.isEmpty()); // seeding belongs to start-up alone
}

void TestCardPanel::everyCardsTextFitsItsBox()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    app::CardPanel *panel = widgetNamed<app::CardPanel>(m_window, "cardPanel");
    const QList<ui::FittedLabel *> labels = {
        widgetNamed<ui::FittedLabel>(panel, "cardName"),
        widgetNamed<ui::FittedLabel>(panel, "favourablePeriod"),
        widgetNamed<ui::FittedLabel>(panel, "keywords"),
        widgetNamed<ui::FittedLabel>(panel, "reading")};
    for (int k = 1; k <= cards::kDeckSize; ++k) {
        panel->showCard(k);
        for (const ui::FittedLabel *label : labels) {
            QVERIFY2(label->textFits(), qPrintable(u"card %1: %2"_s.arg(k).arg(label->text())));
            // Shrinking is a last resort, not a way to hide text.
            QVERIFY2(label->font().pointSizeF() >= 6.5, qPrintable(label->text()));
            QVERIFY(panel->rect().contains(label->geometry()));
        }
    }
}

void TestCardPanel::fittedTextTakesTheLargestSizeThatFits()
{
    // Readings in boxes from roomy to cramped: the size found fits, and one step larger would not.
    QWidget host;
    const QFont preferred = ui::programFont(9.0);
    int shrunk = 0;
    for (const int height : {90, 130, 180, 260}) {
        for (int k = 1; k <= cards::kDeckSize; k += 3) {
            QLabel label(cards::card(k).description, &host);
            label.setWordWrap(true);
            label.setGeometry(0, 0, 300, height);
            ui::fitLabelFont(&label, preferred);
            const qreal size = label.font().pointSizeF();
            const QString what = u"card %1 in %2 px at %3 pt"_s.arg(k).arg(height).arg(size);
            QVERIFY2(ui::labelTextFits(&label) || size < 6.5, qPrintable(what));
            if (size < preferred.pointSizeF()) {
                ++shrunk;
                QFont larger = label.font();
                larger.setPointSizeF(size + 0.25);
                label.setFont(larger);
                QVERIFY2(!ui::labelTextFits(&label), qPrintable(what));
            }
        }
    }
    QVERIFY(shrunk > 20);
}

void TestCardPanel::settingsButtonBringsTheSettingsPanel()
{
    startWith(20);
    QVERIFY(user::cardPanelInFront(m_window.get()));
    QTest::mouseClick(widgetNamed<QPushButton>(m_window, "settingsButton"), Qt::LeftButton);
    QVERIFY(!user::cardPanelInFront(m_window.get()));
    QCOMPARE(widgetNamed<ui::FittedLabel>(m_window, "cardName")->text(), u"Seven Of Diamond"_s);
    QCOMPARE(m_world->store.writes.count({u"Card"_s, u"20"_s}), 1);
}

QTEST_MAIN(TestCardPanel)
#include "tst_cardpanel.moc"
