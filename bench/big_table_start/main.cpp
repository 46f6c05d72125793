// Start-up with a generated table of 100,000 words (the word list is filled
// at start), against the bare window of the same size.
#include "support/big_installation.h"
#include "support/start_rounds.h"
#include "support/unattended.h"

#include <QCoreApplication>

using namespace ejteto::bench;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const BenchOptions o = parseOptions(argc, argv, 21);
    runUnattended();
    const BigInstallation big(QStringLiteral(EJTETO_BENCH_COURSE_DIR), 100000, true);

    const StartSamples s = measureStarts(big.program(), big.dir(), o.rounds);
    if (!o.rowsOnly)
        printHeader();
    printRow(QStringLiteral("(f) 100k words: exec -> main window mapped"), s.programMapped, s.floorMapped,
             Unit::Milliseconds);
    printRow(QStringLiteral("(f) 100k words: exec -> first paint"), s.programPainted, s.floorPainted,
             Unit::Milliseconds);
    return 0;
}
