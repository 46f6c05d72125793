#pragma once
// Looking into a history file from outside the store, as another program
// would: one query on a connection of its own.
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <atomic>

namespace ejteto::testing {

// The first column of the first row of `sql` on the file at `path`, or
// "(error: ...)".
inline QString queryFile(const QString& path, const QString& sql)
{
    static std::atomic<int> next{0};
    const QString name = QStringLiteral("history-test-%1").arg(next++);
    QString result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (!db.open()) {
            result = QStringLiteral("(error: ") + db.lastError().text() + QLatin1Char(')');
        } else {
            QSqlQuery q(db);
            if (q.exec(sql) && q.next())
                result = q.value(0).toString();
            else
                result = QStringLiteral("(error: ") + q.lastError().text() + QLatin1Char(')');
        }
    }
    QSqlDatabase::removeDatabase(name);
    return result;
}

inline int countRows(const QString& path, const QString& table)
{
    return queryFile(path, QStringLiteral("SELECT COUNT(*) FROM ") + table).toInt();
}

} // namespace ejteto::testing
