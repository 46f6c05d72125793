#include "history/history_csv.h"

#include <QSaveFile>

namespace ejteto {

namespace {

// Quoted only where a field needs it, as RFC 4180 has it.
QByteArray field(const QString& text)
{
    QByteArray utf8 = text.toUtf8();
    if (!utf8.contains(',') && !utf8.contains('"') && !utf8.contains('\n') && !utf8.contains('\r'))
        return utf8;
    utf8.replace("\"", "\"\"");
    return '"' + utf8 + '"';
}

QString kindText(const QString& kind)
{
    if (kind == QLatin1String("practice"))
        return QStringLiteral("gyakorlat");
    if (kind == QLatin1String("test"))
        return QStringLiteral("teszt");
    return QStringLiteral("játék");
}

QString levelText(int level)
{
    switch (level) {
    case 0:
        return QStringLiteral("Könnyű");
    case 1:
        return QStringLiteral("Közepes");
    case 2:
        return QStringLiteral("Nehéz");
    default:
        return QStringLiteral("nincs");
    }
}

} // namespace

QByteArray historyCsv(const std::vector<StoredRun>& runs)
{
    QByteArray out = QStringLiteral("azonosító,fajta,lecke,szint,állapot,kezdés,befejezés,helyes,helytelen,"
                                    "másodperc,lépések\n")
                         .toUtf8();
    for (const StoredRun& r : runs) {
        const bool game = r.kind == QLatin1String("pairs");
        const QString cells[] = {
            QString::number(r.id),
            kindText(r.kind),
            game ? QString() : QString::number(r.lesson),
            levelText(r.level),
            r.outcome == QLatin1String("finished") ? QStringLiteral("befejezett") : QStringLiteral("félbehagyott"),
            r.startedAt,
            r.endedAt,
            game ? QString() : QString::number(r.rightCount),
            game ? QString() : QString::number(r.wrongCount),
            game ? QString::number(r.seconds, 'f', 1) : QString(),
            game ? QString::number(r.steps) : QString(),
        };
        for (size_t i = 0; i < std::size(cells); ++i) {
            if (i > 0)
                out += ',';
            out += field(cells[i]);
        }
        out += '\n';
    }
    return out;
}

QString exportHistory(const QString& historyPath, const QString& file)
{
    const HistoryReader reader(historyPath);
    if (!reader.problem().isEmpty())
        return reader.problem();
    const std::vector<StoredRun> runs = reader.runs();
    if (!reader.problem().isEmpty())
        return reader.problem();
    QSaveFile out(file);
    const QByteArray csv = historyCsv(runs);
    if (!out.open(QIODevice::WriteOnly) || out.write(csv) != csv.size() || !out.commit())
        return QStringLiteral("Az előzmények nem írhatók ebbe a fájlba: %1 (%2).").arg(file, out.errorString());
    return {};
}

} // namespace ejteto
