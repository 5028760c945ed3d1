#include "journal/JournalExport.h"

#include "cards/Deck.h"

#include <QCoreApplication>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace journal {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

// One line of a note as Markdown text that renders as the line itself.
QString markdownLine(QStringView line)
{
    qsizetype start = 0;
    while (start < line.size() && isBlank(line[start]))
        ++start;
    qsizetype end = line.size();
    while (end > start && isBlank(line[end - 1]))
        --end;
    QString out;
    out.reserve(line.size() + 8);
    // Blanks at either end would make a code block or vanish; no-break spaces keep them.
    out.fill(QChar(QChar::Nbsp), start);
    bool leadingDigits = true;
    for (qsizetype at = start; at < end; ++at) {
        const QChar c = line[at];
        // What would begin a heading, list, quote or rule at the start of a line, and what marks
        // up text (emphasis, code, HTML, entities, tables, links) anywhere.
        const bool markup = u"\\`*_[]<>&|~!"_s.contains(c) || (at == start && u"#+-="_s.contains(c))
                            || (leadingDigits && at > start && (c == u'.' || c == u')'));
        if (markup)
            out += u'\\';
        out += c;
        leadingDigits = leadingDigits && c.isDigit();
    }
    out += QString(line.size() - end, QChar(QChar::Nbsp));
    return out;
}

QString markdownNote(QString note)
{
    // Markdown ends a line at CR, LF or both, as the note's own text may.
    note.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
    QList<QStringView> lines = QStringView(note).split(u'\n');
    // A hard break that ends a paragraph would show as a backslash.
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    QStringList out;
    for (const QStringView line : lines)
        out.append(markdownLine(line));
    // A backslash before each line break keeps the break: one line of the note, one line shown.
    return out.join(u"\\\n"_s);
}

QString csvField(const QString &value)
{
    if (!value.contains(u',') && !value.contains(u'"') && !value.contains(u'\r')
        && !value.contains(u'\n'))
        return value;
    return u'"' + QString(value).replace(u"\""_s, u"\"\""_s) + u'"';
}

} // namespace

QString longDate(QDate day, const QLocale &locale)
{
    return locale.toString(day, QLocale::LongFormat);
}

QString toMarkdown(const QList<Entry> &days, const QLocale &locale)
{
    QString text =
        u"# "_s + QCoreApplication::translate("JournalExport", "Tarvelle journal") + u'\n';
    for (const Entry &day : days) {
        text += u"\n## "_s + markdownLine(longDate(day.day, locale)) + u"\n\n**"_s
                + markdownLine(cards::cardName(day.card)) + u"**\n"_s;
        if (const QString note = markdownNote(day.note); !note.isEmpty())
            text += u'\n' + note + u'\n';
    }
    return text;
}

QByteArray toCsv(const QList<Entry> &days)
{
    QString text = u"Date,Card,Note\r\n"_s;
    for (const Entry &day : days) {
        // In English whatever the language: a CSV is read back under any language.
        text += day.day.toString(Qt::ISODate) + u',' + csvField(cards::englishCardName(day.card))
                + u',' + csvField(day.note) + u"\r\n"_s;
    }
    return text.toUtf8();
}

QString dayAsText(const Entry &day, const QLocale &locale)
{
    const cards::Card card = cards::card(day.card);
    //: The day copied from the journal: %1 date, %2 card, %3 its period, %4 its keywords
    QString text =
        QCoreApplication::translate("JournalExport", "%1\n%2\nFavorable Time Period: "
                                                     "%3\nKeywords: %4\n")
            .arg(longDate(day.day, locale), card.name, card.favourablePeriod, card.keywords);
    if (!day.note.isEmpty())
        text += u'\n' + day.note;
    return text;
}

std::optional<QString> writeExportFile(const QString &path, const QByteArray &content)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
        return file.errorString();
    return std::nullopt;
}

} // namespace journal
