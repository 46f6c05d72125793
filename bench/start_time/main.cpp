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
    return 0;
}
