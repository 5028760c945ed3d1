#include "journal/JournalImport.h"

#include "cards/Deck.h"

#include <QHash>
#include <QSet>

using namespace Qt::StringLiterals;

namespace journal {

namespace {

// RFC 4180 records; nothing when a quoted field is left open or a quote stands mid-field.
std::optional<QList<QStringList>> csvRecords(const QString &text)
{
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    bool fieldWasQuoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c != u'"') {
                field += c;
            } else if (i + 1 < text.size() && text.at(i + 1) == u'"') {
                field += c;
                ++i;
            } else {
                quoted = false;
            }
            continue;
        }
        if (c == u'"') {
            if (!field.isEmpty() || fieldWasQuoted)
                return std::nullopt;
            quoted = fieldWasQuoted = true;
        } else if (c == u',') {
            record << field;
            field.clear();
            fieldWasQuoted = false;
        } else if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') {
            record << field;
            records << record;
            record.clear();
            field.clear();
            fieldWasQuoted = false;
            ++i;
        } else if (fieldWasQuoted) {
            return std::nullopt;
        } else {
            field += c;
        }
    }
    if (quoted)
        return std::nullopt;
    if (!field.isEmpty() || !record.isEmpty() || fieldWasQuoted) {
        record << field;
        records << record;
    }
    return records;
}

// The cards as an export names them: in the language it was written in, or in English.
QHash<QString, int> cardsByName()
{
    QHash<QString, int> names;
    for (int card = 1; card <= cards::kDeckSize; ++card) {
        names.insert(cards::englishCardName(card), card);
        names.insert(cards::cardName(card), card);
    }
    return names;
}

} // namespace

std::optional<QList<Entry>> fromCsv(const QByteArray &text)
{
    QString decoded = QString::fromUtf8(text);
    if (decoded.startsWith(u'\uFEFF'))
        decoded.remove(0, 1);
    const std::optional<QList<QStringList>> records = csvRecords(decoded);
    if (!records || records->isEmpty()
        || records->first() != QStringList{u"Date"_s, u"Card"_s, u"Note"_s})
        return std::nullopt;
    const QHash<QString, int> cardNamed = cardsByName();
    QList<Entry> days;
    QSet<QDate> seen;
    for (qsizetype i = 1; i < records->size(); ++i) {
        const QStringList &record = records->at(i);
        if (record.size() != 3)
            return std::nullopt;
        const QDate day = QDate::fromString(record[0], Qt::ISODate);
        const int card = cardNamed.value(record[1]);
        if (!day.isValid() || day.toString(Qt::ISODate) != record[0] || card == 0
            || seen.contains(day))
            return std::nullopt;
        seen.insert(day);
        days.append({day, card, record[2]});
    }
    return days;
}

QList<Entry> mergeImport(const QList<Entry> &journal, const QList<Entry> &imported)
{
    QHash<QDate, const Entry *> held;
    for (const Entry &day : journal)
        held.insert(day.day, &day);
    QList<Entry> writes;
    for (const Entry &incoming : imported) {
        const Entry *mine = held.value(incoming.day);
        if (!mine) {
            writes.append(incoming);
            continue;
        }
        if (incoming.note.isEmpty() || mine->note.contains(incoming.note))
            continue;
        const QString note =
            mine->note.isEmpty()
                ? incoming.note
                : mine->note + QString::fromUtf16(kImportedNoteSeparator) + incoming.note;
        writes.append({mine->day, mine->card, note});
    }
    return writes;
}

} // namespace journal
