// ejteto_check <content folder>
// ejteto_check --vowels <installation folder>
// ejteto_check --formants <file.wav>
// ejteto_check --voice <voice folder | voice pack> <content folder>
// The teacher's check of a content folder (or of an installation): prints
// every broken rule as "file:line: what is wrong" and exits 1 if there is one.
// --vowels measures the course's vowel recordings and reports a vowel nearer
// another category than its lesson's; --formants prints "F1 F2 F3" in Hz at
// the middle of a recording's vowel, or why there is none (exit 1).
#include "content/line_reader.h"
#include "contentkit/table_checker.h"
#include "contentkit/voice_checker.h"
#include "contentkit/vowel_check.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <QGuiApplication>
#include <cstdio>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: ejteto_check <content folder>\n"
                         "       ejteto_check --vowels <installation folder>\n"
                         "       ejteto_check --formants <file.wav>\n"
                         "       ejteto_check --voice <voice folder | voice pack> <content folder>\n");
    return 2;
}

int printProblems(const std::vector<ejteto::contentkit::TableProblem>& problems)
{
    for (const auto& p : problems)
        std::printf("%s\n", p.toString().toUtf8().constData());
    return problems.empty() ? 0 : 1;
}

// The words of the content folder's table, or nothing when it is unreadable.
std::optional<QStringList> courseWords(const QString& folder)
{
    QFile f(QDir(folder).filePath(QStringLiteral("words.csv")));
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    QStringList words;
    const QStringList lines = ejteto::splitTableLines(f.readAll());
    for (qsizetype i = 1; i < lines.size(); ++i)
        words << lines[i].section(QLatin1Char(';'), 0, 0);
    return words;
}

} // namespace

int main(int argc, char** argv)
{
    // Words are measured in the window's fonts; nothing is shown, so no
    // display is needed, whatever platform the environment names.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    using namespace ejteto::contentkit;
    if (args.size() == 2 && args[0] == QLatin1String("--formants")) {
        QString why;
        const auto line = formantsLine(args[1], &why);
        if (!line) {
            std::printf("%s\n", why.toUtf8().constData());
            return 1;
        }
        std::printf("%s\n", line->toUtf8().constData());
        return 0;
    }
    if (args.size() == 2 && args[0] == QLatin1String("--vowels")) {
        const VowelCheck check = checkCourseVowels(args[1]);
        for (const QString& line : vowelCheckReport(check))
            std::printf("%s\n", line.toUtf8().constData());
        return printProblems(check.problems);
    }
    if (args.size() == 3 && args[0] == QLatin1String("--voice")) {
        const auto words = courseWords(args[2]);
        if (!words) {
            std::printf("%s: nincs olvasható words.csv\n", args[2].toUtf8().constData());
            return 1;
        }
        return printProblems(QFileInfo(args[1]).isDir() ? checkVoiceFolder(args[1], *words)
                                                        : checkVoicePack(args[1], *words));
    }
    if (args.size() != 1 || args[0].startsWith(QLatin1String("--")))
        return usage();
    return printProblems(checkContentFolder(args[0]));
}
