#include "support/start_rounds.h"

#include "support/marked_start.h"

namespace ejteto::bench {

StartSamples measureStarts(const QString& program, const QString& workDir, int rounds)
{
    StartSamples s;
    for (int round = 0; round <= rounds; ++round) {
        StartTimes p, f, t;
        {
            MarkedStart start(program, workDir);
            p = start.waitForMarks();
        }
        {
            MarkedStart start(QStringLiteral(EJTETO_BENCH_FLOOR_WINDOW), workDir);
            f = start.waitForMarks();
        }
        {
            MarkedStart start(QStringLiteral(EJTETO_BENCH_FLOOR_WINDOW), workDir, {QStringLiteral("--text")});
            t = start.waitForMarks();
        }
        if (round == 0)
            continue;
        s.programMapped.add(p.mappedMs);
        s.programPainted.add(p.paintedMs);
        s.floorMapped.add(f.mappedMs);
        s.floorPainted.add(f.paintedMs);
        s.textFloorPainted.add(t.paintedMs);
    }
    return s;
}

} // namespace ejteto::bench
