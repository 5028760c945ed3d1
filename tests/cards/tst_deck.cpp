#include "cards/Deck.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

class TestDeck : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void whatEachCardIsCalled_data();
    void whatEachCardIsCalled();
    void suitAndRankOfIndex();
    void descriptionShapes();
    void descriptionOpenings();
    void noPhraseRecursAcrossDescriptions();
    void keywordShapes();
    void fixedKeywordRows();
    void questions();
};

void TestDeck::whatEachCardIsCalled_data()
{
    // Every rank word, suit word, week and season at least once, with the deck's own turns:
    // the Knight named in the plural, the Diamonds in the singular, the court cards' weeks
    // counted backwards, fall without "the" and "season".
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("period");
    const auto row = [](int index, const QString &name, const QString &period) {
        QTest::newRow(qPrintable(name)) << index << name << period;
    };
    row(1, u"Ace Of Clubs"_s, u"1st week of the spring season."_s);
    row(15, u"Two Of Diamond"_s, u"2nd week of fall."_s);
    row(29, u"Three Of Hearts"_s, u"3rd week of the summer season."_s);
    row(43, u"Four Of Spades"_s, u"4th week of the winter season."_s);
    row(5, u"Five Of Clubs"_s, u"5th week of the spring season."_s);
    row(19, u"Six Of Diamond"_s, u"6th week of fall."_s);
    row(33, u"Seven Of Hearts"_s, u"7th week of the summer season."_s);
    row(47, u"Eight Of Spades"_s, u"8th week of the winter season."_s);
    row(9, u"Nine Of Clubs"_s, u"9th week of the spring season."_s);
    row(23, u"Ten Of Diamond"_s, u"10th week of fall."_s);
    row(37, u"King Of Hearts"_s, u"13th week of the summer season."_s);
    row(38, u"Queen Of Hearts"_s, u"12th week of the summer season."_s);
    row(51, u"Queen Of Spades"_s, u"12th week of the winter season."_s);
    row(13, u"Knights Of Clubs"_s, u"11th week of the spring season."_s);
    row(14, u"Ace Of Diamond"_s, u"1st week of fall."_s);
    row(24, u"King Of Diamond"_s, u"13th week of fall."_s);
    row(26, u"Knights Of Diamond"_s, u"11th week of fall."_s);
    row(27, u"Ace Of Hearts"_s, u"1st week of the summer season."_s);
    row(40, u"Ace Of Spades"_s, u"1st week of the winter season."_s);
    row(52, u"Knights Of Spades"_s, u"11th week of the winter season."_s);
}

void TestDeck::whatEachCardIsCalled()
{
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(QString, period);
    QCOMPARE(cards::cardName(index), name);
    QCOMPARE(cards::card(index).name, name);
    QCOMPARE(cards::favourablePeriod(index), period);
    QCOMPARE(cards::card(index).favourablePeriod, period);
    // No two cards share a name or a period.
    QSet<QString> names;
    QSet<QString> periods;
    for (int k = 1; k <= cards::kDeckSize; ++k) {
        names.insert(cards::cardName(k));
        periods.insert(cards::favourablePeriod(k));
    }
    QCOMPARE(names.size(), cards::kDeckSize);
    QCOMPARE(periods.size(), cards::kDeckSize);
}

void TestDeck::suitAndRankOfIndex()
{
    QCOMPARE(cards::suitOf(1), cards::Suit::Clubs);
    QCOMPARE(cards::suitOf(13), cards::Suit::Clubs);
    QCOMPARE(cards::suitOf(14), cards::Suit::Diamonds);
    QCOMPARE(cards::suitOf(39), cards::Suit::Hearts);
    QCOMPARE(cards::suitOf(40), cards::Suit::Spades);
    QCOMPARE(cards::rankPosition(40), 1);
    QCOMPARE(cards::rankPosition(52), 13);
    QVERIFY(!cards::isCardIndex(0));
    QVERIFY(!cards::isCardIndex(53));
}

void TestDeck::descriptionShapes()
{
    // The user picks the display time, and any card comes up in any season: a reading that
    // names the hour or the season is wrong on most days it is read.
    const QRegularExpression hourOrSeason(
        u"\\b(morning|afternoon|evening|tonight|midnight|noon|dawn|dusk|spring|summer|autumn|"
        "winter|seasons?|(this|by|in|next|last|until) fall)\\b"_s,
        QRegularExpression::CaseInsensitiveOption);
    QSet<QString> seen;
    for (int k = 1; k <= cards::kDeckSize; ++k) {
        const QString text = cards::card(k).description;
        const QByteArray row = QByteArray::number(k);
        QVERIFY2(text.size() >= 378 && text.size() <= 751, row.constData());
        if (k != 3)
            QVERIFY2(text.size() < 751, row.constData());
        if (k != 47)
            QVERIFY2(text.size() > 378, row.constData());
        QVERIFY2(!text.contains(u'\n') && !text.contains(u'\r'), row.constData());
        QVERIFY2(text == text.trimmed(), row.constData());
        QVERIFY2(!text.contains("  "_L1), row.constData());
        // A reading may end on a question.
        QVERIFY2(text.endsWith(u'.') || text.endsWith(u'?'), row.constData());
        QVERIFY2(text.contains("you"_L1, Qt::CaseInsensitive), row.constData());
        const QRegularExpressionMatch hour = hourOrSeason.match(text);
        QVERIFY2(!hour.hasMatch(), qPrintable(u"%1: %2"_s.arg(k).arg(hour.captured())));
        seen.insert(text);
    }
    QCOMPARE(seen.size(), cards::kDeckSize);
    QCOMPARE(cards::card(3).description.size(), 751);
    QCOMPARE(cards::card(47).description.size(), 378);
}

// The Ace of Hearts and the Three of Spades keep the openings they have always had; every reading
// names its own card, and the Ten of Hearts and the Six of Spades, which once borrowed another
// card's words, now speak of themselves.
void TestDeck::descriptionOpenings()
{
    const QString aceOpening =
        u"As the symbol itself denotes, the Ace of Hearts symbolizes love card"_s;
    QVERIFY(cards::card(27).description.startsWith(aceOpening));
    QVERIFY(cards::card(42).description.startsWith("The Three of Spades denotes destruction."_L1));
    for (int k = 1; k <= cards::kDeckSize; ++k) {
        const QString text = cards::card(k).description;
        const QString ownName = cards::cardName(k)
                                    .replace(" Of "_L1, " of "_L1)
                                    .replace("Knights"_L1, "Knight"_L1)
                                    .replace("Diamond"_L1, "Diamonds"_L1);
        QVERIFY2(text.contains(ownName), qPrintable(ownName));
    }
    QVERIFY(!cards::card(36).description.contains("Ace of Hearts"_L1));
    QVERIFY(!cards::card(45).description.contains("destruction"_L1));
}

void TestDeck::noPhraseRecursAcrossDescriptions()
{
    // Someone who reads one card a day notices a four-word run met before as a formula, and
    // one met before with a word slipped in ("has run its full course" after "has run its
    // course"). A card's name is no formula, so runs stop at it. (The three-word phrases are
    // counted by card_text_counts.py.)
    const QRegularExpression token(
        u"(?:(?:the|this) )?(?:ace|two|three|four|five|six|seven|eight|nine|ten|king|queen|knight)"
        "(?:'s)? of (?:clubs|diamonds|hearts|spades)'?s?|[a-z']+"_s);
    const QString nameBreak = u"|"_s;
    struct Runs {
        QSet<QString> exact;
        QSet<QString> widened; // five words that are an exact run with one of the middle three
    };
    const auto runsOf = [&](const QString &text) {
        QStringList words;
        for (const QRegularExpressionMatch &m : token.globalMatch(text.toLower()))
            words.append(m.captured().contains(" of "_L1) ? nameBreak : m.captured());
        Runs runs;
        for (qsizetype i = 0; i + 4 <= words.size(); ++i) {
            const QStringList run = words.sliced(i, 4);
            if (!run.contains(nameBreak))
                runs.exact.insert(run.join(u' '));
        }
        for (qsizetype i = 0; i + 5 <= words.size(); ++i) {
            const QStringList window = words.sliced(i, 5);
            if (window.contains(nameBreak))
                continue;
            for (const qsizetype slipped : {1, 2, 3}) {
                QStringList run = window;
                run.removeAt(slipped);
                runs.widened.insert(run.join(u' '));
            }
        }
        return runs;
    };
    QHash<int, Runs> runs;
    for (int k = 1; k <= cards::kDeckSize; ++k)
        runs.insert(k, runsOf(cards::card(k).description));
    QHash<QString, int> firstSeen;
    QStringList recurring;
    for (int k = 1; k <= cards::kDeckSize; ++k) {
        for (const QString &run : runs.value(k).exact) {
            const auto seen = firstSeen.constFind(run);
            if (seen == firstSeen.cend())
                firstSeen.insert(run, k);
            else
                recurring.append(u"\"%1\" in %2 and %3"_s.arg(run).arg(*seen).arg(k));
        }
    }
    for (int k = 1; k <= cards::kDeckSize; ++k) {
        for (const QString &run : runs.value(k).widened) {
            const auto seen = firstSeen.constFind(run);
            if (seen != firstSeen.cend() && *seen != k)
                recurring.append(
                    u"\"%1\" in %2, with a word more in %3"_s.arg(run).arg(*seen).arg(k));
        }
    }
    recurring.sort();
    QVERIFY2(recurring.isEmpty(), qPrintable(recurring.join(u"; "_s)));
}

void TestDeck::keywordShapes()
{
    const QSet<int> fixedRows = {3, 4, 8, 22, 35, 42, 49};
    // Four to six items, the last joined by "and" without a comma.
    const QRegularExpression plain(u"^[A-Z][^,]*(, [a-z][^,]*){2,4} and [^,]+\\.$"_s);
    QSet<QString> seen;
    QHash<qsizetype, int> linesWithItems; // how many lines have so many items
    for (int k = 1; k <= cards::kDeckSize; ++k) {
        const QString line = cards::card(k).keywords;
        const QByteArray row = QByteArray::number(k);
        QVERIFY2(line.size() >= 41 && line.size() <= 86, row.constData());
        QVERIFY2(!line.contains(u'\n'), row.constData());
        seen.insert(line);
        if (fixedRows.contains(k))
            continue;
        QVERIFY2(line.size() > 41 && line.size() < 86, row.constData());
        QVERIFY2(plain.match(line).hasMatch(), qPrintable(line));
        QVERIFY2(!line.contains("  "_L1), row.constData());
        ++linesWithItems[line.count(", "_L1) + 2];
    }
    QCOMPARE(seen.size(), cards::kDeckSize);
    // Mostly five items, but lists that all run to five read as filled in to a form.
    const int editable = cards::kDeckSize - static_cast<int>(fixedRows.size());
    QVERIFY(linesWithItems.value(5) > editable / 2);
    QVERIFY(linesWithItems.value(4) > 0);
    QVERIFY(linesWithItems.value(6) > 0);
}

void TestDeck::fixedKeywordRows()
{
    // The Three of Spades keeps its long-standing line; the Six, which once repeated it, has its
    // own.
    const QString threeOfSpades =
        u"Independent, self-destructive, conflicts, separation and starting a new phase of life."_s;
    QCOMPARE(threeOfSpades.size(), 86);
    QCOMPARE(cards::card(42).keywords, threeOfSpades);
    QVERIFY(cards::card(45).keywords != threeOfSpades);
    QCOMPARE(cards::card(35).keywords, u"love, romance, joy, happiness and relaxing."_s);
    QCOMPARE(cards::card(3).keywords,
             u"Change, flexibility, development, traveling and ambitious"_s);
    QCOMPARE(cards::card(4).keywords, u"Happiness, joy, rest, warm and supportive"_s);
    QCOMPARE(cards::card(4).keywords.size(), 41);
    QCOMPARE(cards::card(8).keywords,
             u"Energetic, active, powerful, sharp, cautious and focused"_s);
    QCOMPARE(cards::card(49).keywords,
             u"New beginning, realization, end of bad habits, painful parting and prosperous. "_s);
    QCOMPARE(cards::card(22).keywords,
             u"Self- reliance, self-actualization, independent, satisfied and ambitious."_s);
}

// One short question of each card's own, for the journal's note.
void TestDeck::questions()
{
    QSet<QString> seen;
    for (int k = 1; k <= cards::kDeckSize; ++k) {
        const QString question = cards::cardQuestion(k);
        const QByteArray row = QByteArray::number(k);
        QVERIFY2(question.size() > 20 && question.size() <= 100, row.constData());
        QVERIFY2(question.endsWith(u'?'), row.constData());
        QVERIFY2(question == question.simplified(), row.constData());
        QVERIFY2(question.at(0).isUpper(), row.constData());
        seen.insert(question);
    }
    QCOMPARE(seen.size(), cards::kDeckSize);
}

QTEST_APPLESS_MAIN(TestDeck)
#include "tst_deck.moc"
