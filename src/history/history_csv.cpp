#include "history/history_csv.h"

#include "content/practice_item.h"

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

QByteArray historyCsv(const std::vector<StoredRun>& runs, const std::vector<StoredListeningAnswer>& heard,
                      const std::vector<StoredTake>& takes)
{
    QByteArray out = QStringLiteral("azonosító,fajta,lecke,szint,állapot,kezdés,befejezés,helyes,helytelen,"
                                    "másodperc,lépések,hang,választott,szó,ítélet\n")
                         .toUtf8();
    const auto row = [&out](std::initializer_list<QString> cells) {
        bool first = true;
        for (const QString& c : cells) {
            if (!first)
                out += ',';
            out += field(c);
            first = false;
        }
        out += '\n';
    };
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
            QString(),
            QString(),
            QString(),
            QString(),
        };
        for (size_t i = 0; i < std::size(cells); ++i) {
            if (i > 0)
                out += ',';
            out += field(cells[i]);
        }
        out += '\n';
    }
    // A listening answer and a take have a moment, not a span: it stands as
    // both the start and the end. Right or wrong count as 1 and 0.
    for (const StoredListeningAnswer& a : heard) {
        const bool right = a.right;
        row({QString::number(a.id), QStringLiteral("hallás"), QString::number(a.playedSound), QString(), QString(),
             a.answeredAt, a.answeredAt, QString::number(right ? 1 : 0), QString::number(right ? 0 : 1), QString(),
             QString(), QString::number(a.playedSound), QString::number(a.chosenSound), a.word, QString()});
    }
    // A take's "chosen" vowel is the one heard in it; a take that was not
    // judged counts as neither right nor wrong.
    for (const StoredTake& t : takes) {
        const bool right = t.verdict == QLatin1String("right") || verdictFoundTarget(t.verdict);
        const bool wrong =
            t.verdict == QLatin1String("wrong") || (!right && t.verdict.startsWith(QLatin1String("Ezt")));
        row({QString::number(t.id), QStringLiteral("kiejtés"), QString::number(t.targetSound), QString(), QString(),
             t.takenAt, t.takenAt, right || wrong ? QString::number(right ? 1 : 0) : QString(),
             right || wrong ? QString::number(right ? 0 : 1) : QString(), QString(), QString(),
             QString::number(t.targetSound), t.nearestSound > 0 ? QString::number(t.nearestSound) : QString(), t.word,
             t.verdict});
    }
    return out;
}

QString exportHistory(const QString& historyPath, const QString& file)
{
    const HistoryReader reader(historyPath);
    if (!reader.problem().isEmpty())
        return reader.problem();
    const std::vector<StoredRun> runs = reader.runs();
    const std::vector<StoredListeningAnswer> heard = reader.listeningAnswers();
    const std::vector<StoredTake> takes = reader.takes();
    if (!reader.problem().isEmpty())
        return reader.problem();
    QSaveFile out(file);
    const QByteArray csv = historyCsv(runs, heard, takes);
    if (!out.open(QIODevice::WriteOnly) || out.write(csv) != csv.size() || !out.commit())
        return QStringLiteral("Az előzmények nem írhatók ebbe a fájlba: %1 (%2).").arg(file, out.errorString());
    return {};
}

} // namespace ejteto
