#pragma once
// The tables of the history and the steps that bring an older file up to
// the schema this program writes.
#include <QSqlDatabase>
#include <QSqlError>

namespace ejteto {

// Applies every step above `fromVersion` in one transaction and sets
// `user_version`; returns the error that rolled it back, if any.
QSqlError migrateHistory(QSqlDatabase& db, int fromVersion);

} // namespace ejteto
