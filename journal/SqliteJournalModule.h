#pragma once

#include "journal/JournalStore.h"

class QString;

namespace journal {

// The SQLite journal lives in a module of its own, so that only a run that reads or writes the
// journal maps Qt SQL. This is all the program and the module share.
namespace sqlite_module {

// The module's file, looked for in the program's own folder and then where it is installed.
inline constexpr char FileName[] = "tarvelle-sqlite-journal.so";
// `extern "C"`: a new SQLite journal file at `path`, owned by the caller.
inline constexpr char OpenSymbol[] = "tarvelle_open_sqlite_journal";
using OpenFunction = JournalFile *(*)(const QString &path, const TodayFunction &today);

} // namespace sqlite_module

} // namespace journal
