// ejteto_course_builder <content folder> <installation folder> [--manifest file] [--threads n]
// Makes the bundled course; run by the build. Exit 1 with "file:line: ..."
// lines when the content breaks a rule, 2 when the machine fails.
#include "app/app_error.h"
#include "contentkit/course_builder.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <cstdio>
#include <unistd.h>

using namespace ejteto;

int main(int argc, char** argv)
{
    // Text is painted into pictures; no display is needed for that.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    contentkit::CourseBuildOptions o;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--manifest") && i + 1 < args.size())
            o.manifestPath = args[++i];
        else if (args[i] == QLatin1String("--threads") && i + 1 < args.size())
            o.threads = args[++i].toInt();
        else if (o.dataDir.isEmpty())
            o.dataDir = args[i];
        else if (o.outDir.isEmpty())
            o.outDir = args[i];
        else
            o.dataDir.clear(); // too many arguments
    }
    if (o.dataDir.isEmpty() || o.outDir.isEmpty()) {
        std::fprintf(stderr, "usage: ejteto_course_builder <content folder> <installation folder> "
                             "[--manifest file] [--threads n]\n");
        return 2;
    }

    const bool terminal = isatty(STDOUT_FILENO);
    QElapsedTimer clock;
    clock.start();
    qint64 lastShown = -10000;
    o.progress = [&](const QString& line) {
        const QByteArray text = (QStringLiteral("Tananyag: ") + line).toUtf8();
        if (terminal) {
            std::printf("\r\033[K%s", text.constData());
        } else if (clock.elapsed() - lastShown >= 5000 || !line.contains(QLatin1Char('/'))) {
            // Build logs get a line every few seconds, not a flood.
            std::printf("%s\n", text.constData());
            lastShown = clock.elapsed();
        }
        std::fflush(stdout);
    };

    try {
        const contentkit::CourseBuildResult r = contentkit::buildCourse(o);
        if (terminal)
            std::printf("\n");
        for (const contentkit::TableProblem& p : r.problems)
            std::fprintf(stderr, "%s\n", p.toString().toUtf8().constData());
        if (!r.problems.empty())
            return 1;
        std::printf("Tananyag kész: %d fájl elkészült, %d változatlan (%.1f s)\n", r.written, r.unchanged,
                    double(clock.elapsed()) / 1000.0);
        return 0;
    } catch (const AppError& e) {
        std::fprintf(stderr, "\nejteto_course_builder: %s\n", e.what());
        return 2;
    }
}
