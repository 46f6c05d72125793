#pragma once
// Benchmarks run unattended: an error the program would show in its message
// box goes to standard error instead, so no dialog ever waits for a click.
#include <QtGlobal>

namespace ejteto::bench {

inline void runUnattended() { qputenv("EJTETO_ERRORS", "stderr"); }

} // namespace ejteto::bench
