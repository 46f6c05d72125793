#pragma once
// Rounds of start-up: the program and the bare floor window started one
// after the other, so both meet the same machine load.
#include "support/figures.h"

#include <QString>

namespace ejteto::bench {

struct StartSamples {
    Samples programMapped, programPainted;
    Samples floorMapped, floorPainted;
    // The floor window with one line of the title's text: what any window
    // that draws text pays before its first paint.
    Samples textFloorPainted;
};

// `program` runs in `workDir`; the floor window (bare, then with one line of
// text) in the same folder. One extra round before the counted ones warms
// the page and font caches.
StartSamples measureStarts(const QString& program, const QString& workDir, int rounds);

} // namespace ejteto::bench
