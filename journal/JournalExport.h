#pragma once

#include "journal/JournalStore.h"

#include <QByteArray>
#include <QLocale>

#include <optional>

namespace journal {

// A day as the journal window names it: the long date form of `locale`.
QString longDate(QDate day, const QLocale &locale);

// The days as Markdown, in their order: a heading per day (its long date), the card's name in
// bold, then the note, line for line. Whatever the note holds reads as typed, never as markup.
QString toMarkdown(const QList<Entry> &days, const QLocale &locale);

// The days as CSV by RFC 4180: UTF-8, CRLF after each record, a header "Date,Card,Note", the date
// in ISO 8601, fields holding a comma, quote or line break quoted. Notes keep every character.
QByteArray toCsv(const QList<Entry> &days);

// One day for the clipboard: its long date, the card's name, favourable period and keywords, and
// the note.
QString dayAsText(const Entry &day, const QLocale &locale);

// Writes `content` to `path` whole or not at all; the reason when it could not be written.
std::optional<QString> writeExportFile(const QString &path, const QByteArray &content);

} // namespace journal
