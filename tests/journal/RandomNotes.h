#pragma once

#include <QRandomGenerator>
#include <QString>
#include <QStringList>

// Notes as people type and paste them: several scripts, line breaks of every kind, and every
// character that CSV or Markdown give a meaning to.
inline QString randomNote(QRandomGenerator &random, int maxPieces = 40)
{
    using namespace Qt::StringLiterals;
    static const QStringList pieces{
        u"word"_s, u"Z"_s, u" "_s,    u"  "_s, u"\n"_s,  u"\r\n"_s,   u"\r"_s,    u"\t"_s,
        u"\""_s,   u","_s, u"é"_s,    u"ß"_s,  u"Жук"_s, u"日本語"_s, u"مرحبا"_s, u"🂡"_s,
        u"#"_s,    u"*"_s, u"_"_s,    u"`"_s,  u"["_s,   u"]"_s,      u"<b>"_s,   u"&amp;"_s,
        u"|"_s,    u"~"_s, u"!"_s,    u"\\"_s, u"- "_s,  u"+ "_s,     u"="_s,     u"1. "_s,
        u"2)"_s,   u"'"_s, u"    "_s, u"> "_s};
    QString note;
    const int count = random.bounded(maxPieces + 1);
    for (int i = 0; i < count; ++i)
        note += pieces.at(random.bounded(static_cast<int>(pieces.size())));
    return note;
}
