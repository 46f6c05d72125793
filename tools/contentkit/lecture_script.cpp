#include "contentkit/lecture_script.h"

#include "app/int_conversion.h"
#include "content/sound_id.h"

namespace ejteto::contentkit {

namespace {
QStringList splitTrimmed(const QString& text, QChar sep)
{
    QStringList out;
    for (const QString& part : text.split(sep))
        if (!part.trimmed().isEmpty())
            out << part.trimmed();
    return out;
}
} // namespace

LectureScript parseLectureScript(const QString& text, int lesson, const QString& fileName,
                                 std::vector<TableProblem>& problems)
{
    LectureScript s;
    s.lesson = lesson;
    s.fileName = fileName;
    const auto problem = [&](int line, const QString& what) { problems.push_back({fileName, line, what}); };
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNo = i + 1;
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon <= 0) {
            problem(lineNo, QStringLiteral("\"kulcs: érték\" sor kell"));
            continue;
        }
        const QString key = line.left(colon).trimmed();
        const QString value = line.mid(colon + 1).trimmed();
        if (value.isEmpty()) {
            problem(lineNo, QStringLiteral("üres érték: %1").arg(key));
            continue;
        }
        if (key == QStringLiteral("név")) {
            s.soundName = value;
        } else if (key == QStringLiteral("kulcsszó")) {
            s.keyWord = value;
        } else if (key == QStringLiteral("képzés")) {
            s.formation << value;
        } else if (key == QStringLiteral("magyar")) {
            s.hungarian = value;
        } else if (key == QStringLiteral("írás")) {
            const QStringList parts = value.split(QLatin1Char('|'));
            const QStringList examples = parts.size() == 2 ? splitTrimmed(parts[1], QLatin1Char(',')) : QStringList();
            if (parts.size() != 2 || parts[0].trimmed().isEmpty() || examples.isEmpty())
                problem(lineNo, QStringLiteral("írásmód: \"betűk | példa, példa\" kell"));
            else
                s.spellings.push_back({parts[0].trimmed(), examples});
        } else if (key == QStringLiteral("pár")) {
            const QStringList parts = value.split(QLatin1Char('|'));
            Contrast c;
            c.line = lineNo;
            const auto sound = parseStrictInt(parts[0].trimmed());
            c.sound = sound ? *sound : 0;
            bool ok = parts.size() >= 2 && SoundId::isValid(c.sound);
            for (qsizetype k = 1; ok && k < parts.size(); ++k) {
                const QStringList pair = splitTrimmed(parts[k], QLatin1Char(' '));
                if (pair.size() != 2)
                    ok = false;
                else
                    c.pairs.emplace_back(pair[0], pair[1]);
            }
            if (!ok)
                problem(lineNo, QStringLiteral("szópárok: \"hang | szó szó | szó szó\" kell, a hang 1 és 16 között"));
            else
                s.contrasts.push_back(std::move(c));
        } else {
            problem(lineNo, QStringLiteral("ismeretlen kulcs: %1").arg(key));
        }
    }
    const int end = int(lines.size());
    if (s.soundName.isEmpty())
        problem(end, QStringLiteral("hiányzik a \"név:\" sor"));
    if (s.keyWord.isEmpty())
        problem(end, QStringLiteral("hiányzik a \"kulcsszó:\" sor"));
    if (s.formation.isEmpty())
        problem(end, QStringLiteral("hiányzik a \"képzés:\" sor"));
    if (s.spellings.empty())
        problem(end, QStringLiteral("hiányzik az \"írás:\" sor"));
    return s;
}

void checkContrasts(const LectureScript& script, int confusable1, int confusable2, std::vector<TableProblem>& problems)
{
    const int end = 0;
    for (const int want : {confusable2, confusable1}) {
        int found = 0;
        for (const Contrast& c : script.contrasts)
            found += c.sound == want;
        if (found != 1)
            problems.push_back(
                {script.fileName, end,
                 QStringLiteral("pontosan egy \"pár: %1 | ...\" sor kell (a tévesztett hang a sounds.csv-ben)")
                     .arg(want)});
    }
    for (const Contrast& c : script.contrasts)
        if (c.sound != confusable1 && c.sound != confusable2)
            problems.push_back({script.fileName, c.line,
                                QStringLiteral("a(z) %1. hang nem tévesztett hangja ennek a leckének").arg(c.sound)});
}

} // namespace ejteto::contentkit
