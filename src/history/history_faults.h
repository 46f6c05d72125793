#pragma once
// What went wrong with the history file, told from SQLite's result codes, and
// the one Hungarian message the learner reads about it.
#include <QSqlError>
#include <QString>

namespace ejteto {

enum class HistoryFault {
    None,
    Damaged,  // not a database, or a damaged one
    Newer,    // written by a newer program
    Locked,   // another running copy holds it
    ReadOnly, // the folder or the file cannot be written
    Full,     // the disk is full, or writing failed
    Other,
};

HistoryFault faultOf(const QSqlError& error);

// The message of a fault met while the history was opened: the program goes
// on without a history.
QString unavailableMessage(HistoryFault fault, const QString& path, const QString& detail);
// The message of a run that could not be written; it waits for the next try.
QString writeFailedMessage(HistoryFault fault, const QString& path);
// The old file was unreadable: it lies at `keptAside`, a new one is begun.
QString startedAfreshMessage(const QString& keptAside);

// Renames the history file and its write-ahead log and index beside it
// (`path` + ".damaged-<date and time>"); never deletes anything. Returns the
// new name of the file, empty when it could not be renamed.
QString setAside(const QString& path);

} // namespace ejteto
