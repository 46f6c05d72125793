#include "history_faults.h"

#include <QDateTime>
#include <QFile>

namespace ejteto {

namespace {

// SQLite's primary result codes (the low byte of an extended code).
constexpr int kPerm = 3;
constexpr int kBusy = 5;
constexpr int kLocked = 6;
constexpr int kReadOnly = 8;
constexpr int kIoErr = 10;
constexpr int kCorrupt = 11;
constexpr int kFull = 13;
constexpr int kCantOpen = 14;
constexpr int kNotADb = 26;

} // namespace

HistoryFault faultOf(const QSqlError& error)
{
    if (error.type() == QSqlError::NoError)
        return HistoryFault::None;
    bool number = false;
    const int code = error.nativeErrorCode().toInt(&number) & 0xff;
    if (!number)
        return HistoryFault::Other;
    switch (code) {
    case kNotADb:
    case kCorrupt:
        return HistoryFault::Damaged;
    case kBusy:
    case kLocked:
        return HistoryFault::Locked;
    case kPerm:
    case kReadOnly:
    case kCantOpen:
        return HistoryFault::ReadOnly;
    case kFull:
    case kIoErr:
        return HistoryFault::Full;
    default:
        return HistoryFault::Other;
    }
}

QString unavailableMessage(HistoryFault fault, const QString& path, const QString& detail)
{
    QString why;
    switch (fault) {
    case HistoryFault::Newer:
        why = QStringLiteral("Az előzmények fájlját (%1) a program egy újabb változata írta, ez a változat nem "
                             "tudja olvasni.");
        break;
    case HistoryFault::Locked:
        why = QStringLiteral("Az előzmények fájlját (%1) egy másik futó program zárolja.");
        break;
    case HistoryFault::ReadOnly:
        why = QStringLiteral("Az előzmények fájlja (%1) vagy a mappája nem írható.");
        break;
    case HistoryFault::Full:
        why = QStringLiteral("Az előzmények fájlja (%1) nem írható: betelt a lemez, vagy írási hiba történt.");
        break;
    default:
        why = QStringLiteral("Az előzmények fájlja (%1) nem nyitható meg: ") + detail + QStringLiteral(".");
        break;
    }
    return why.arg(path) + QStringLiteral(" A program most előzmények nélkül fut: ennek a futásnak az eredményei "
                                          "nem maradnak meg.");
}

QString writeFailedMessage(HistoryFault fault, const QString& path)
{
    const QString why = fault == HistoryFault::Locked     ? QStringLiteral("egy másik futó program zárolja")
                        : fault == HistoryFault::ReadOnly ? QStringLiteral("a fájl vagy a mappája nem írható")
                        : fault == HistoryFault::Full ? QStringLiteral("betelt a lemez, vagy írási hiba történt")
                                                      : QStringLiteral("hiba történt");
    return QStringLiteral("Az eredményt nem sikerült az előzményekbe (%1) írni: %2. A program megtartja, és "
                          "a következő eredménnyel újra megpróbálja.")
        .arg(path, why);
}

QString startedAfreshMessage(const QString& keptAside)
{
    return QStringLiteral("Az előzmények fájlja sérült volt, ezért félretettem ezen a néven: %1. Új, üres "
                          "előzményekkel folytatom.")
        .arg(keptAside);
}

QString setAside(const QString& path)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = path + QStringLiteral(".damaged-") + stamp;
    for (int n = 2; QFile::exists(aside); ++n)
        aside = path + QStringLiteral(".damaged-") + stamp + QLatin1Char('-') + QString::number(n);
    if (!QFile::rename(path, aside))
        return QString();
    // The log may hold the last transactions of the old file: it goes with it.
    for (const QLatin1String part : {QLatin1String("-wal"), QLatin1String("-shm")}) {
        if (QFile::exists(path + part))
            QFile::rename(path + part, aside + part);
    }
    return aside;
}

} // namespace ejteto
