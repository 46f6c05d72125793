// ejteto_check <content folder>
// ejteto_check --vowels <installation folder>
// ejteto_check --formants <file.wav>
// The teacher's check of a content folder (or of an installation): prints
// every broken rule as "file:line: what is wrong" and exits 1 if there is one.
// --vowels measures the course's vowel recordings and reports a vowel nearer
// another category than its lesson's; --formants prints "F1 F2 F3" in Hz at
// the middle of a recording's vowel, or why there is none (exit 1).
#include "contentkit/table_checker.h"
#include "contentkit/vowel_check.h"

#include <QGuiApplication>
#include <cstdio>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: ejteto_check <content folder>\n"
                         "       ejteto_check --vowels <installation folder>\n"
                         "       ejteto_check --formants <file.wav>\n");
    return 2;
}

int printProblems(const std::vector<ejteto::contentkit::TableProblem>& problems)
{
    for (const auto& p : problems)
        std::printf("%s\n", p.toString().toUtf8().constData());
    return problems.empty() ? 0 : 1;
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
    if (args.size() != 1 || args[0].startsWith(QLatin1String("--")))
        return usage();
    return printProblems(checkContentFolder(args[0]));
}
