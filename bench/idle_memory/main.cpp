// Resident memory of the program once it has started on the bundled course
// and gone idle, against the bare window of the same size.
#include "support/figures.h"
#include "support/marked_start.h"
#include "support/unattended.h"

#include <QCoreApplication>
#include <QThread>

using namespace ejteto::bench;

namespace {
// Long enough for the deferred work after the first paint (the video
// player's first frame, font caches) to have settled.
constexpr int kIdleMs = 1500;

double idleResidentMiB(const QString& program, const QString& workDir)
{
    MarkedStart start(program, workDir);
    start.waitForMarks();
    QThread::msleep(kIdleMs);
    return start.residentMiB();
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const BenchOptions o = parseOptions(argc, argv, 9);
    runUnattended();
    const QString course = QStringLiteral(EJTETO_BENCH_COURSE_DIR);

    Samples program, floor;
    for (int round = 0; round < o.rounds; ++round) {
        program.add(idleResidentMiB(course + QStringLiteral("/ejteto"), course));
        floor.add(idleResidentMiB(QStringLiteral(EJTETO_BENCH_FLOOR_WINDOW), course));
    }
    if (!o.rowsOnly)
        printHeader();
    printRow(QStringLiteral("(d) idle RSS %1 s after first paint").arg(kIdleMs / 1000.0), program, floor, Unit::MiB);
    return 0;
}
