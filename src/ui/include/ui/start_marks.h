#pragma once
// Start-up marks for the benchmarks, off unless asked for. With
// EJTETO_BENCH_MARKS naming a file (a pipe's /dev/fd/N included), a window
// writes two lines, each a CLOCK_MONOTONIC time in nanoseconds:
//   "mapped <ns>"  when the window system first shows the window;
//   "painted <ns>" once the window's first complete paint has been handed
//                  to the window system.
// A benchmark that notes the same clock before it starts the program reads
// how long the start took. Nothing else about the window changes.
class QWidget;

namespace ejteto {

// Call before the window is first shown. Does nothing when the variable is
// unset or the file cannot be opened.
void installStartMarks(QWidget* window);

} // namespace ejteto
