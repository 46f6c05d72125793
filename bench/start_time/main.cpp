// exec -> main window mapped, and exec -> first painted, on the bundled
// course, against a bare window of the same size.
#include "support/start_rounds.h"
#include "support/unattended.h"

#include <QCoreApplication>

using namespace ejteto::bench;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const BenchOptions o = parseOptions(argc, argv, 41);
    runUnattended();
    const QString course = QStringLiteral(EJTETO_BENCH_COURSE_DIR);

    const StartSamples s = measureStarts(course + QStringLiteral("/ejteto"), course, o.rounds);
    if (!o.rowsOnly)
        printHeader();
    printRow(QStringLiteral("(a) exec -> main window mapped"), s.programMapped, s.floorMapped, Unit::Milliseconds);
    printRow(QStringLiteral("(a) exec -> first paint"), s.programPainted, s.floorPainted, Unit::Milliseconds);
    // Not the program: the bare window with one line of text, against the
    // bare window. The text's own start (fontconfig, the face, shaping) is
    // a share of the first paint that no window drawing text escapes.
    printRow(QStringLiteral("(a) one text line -> first paint"), s.textFloorPainted, s.floorPainted,
             Unit::Milliseconds);
    return 0;
}
