// ejteto_check <content folder>
// The teacher's check of a content folder (or of an installation): prints
// every broken rule as "file:line: what is wrong" and exits 1 if there is one.
#include "contentkit/table_checker.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    // Words are measured in the window's fonts; nothing is shown, so no
    // display is needed, whatever platform the environment names.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: ejteto_check <content folder>\n");
        return 2;
    }
    const auto problems = ejteto::contentkit::checkContentFolder(args[0]);
    for (const auto& p : problems)
        std::printf("%s\n", p.toString().toUtf8().constData());
    return problems.empty() ? 0 : 1;
}
