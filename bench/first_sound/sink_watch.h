#pragma once
// Notes the moment the first audio buffer is rendered by a sink anywhere in
// this process, whoever built the pipeline: the program's player keeps its
// pipeline to itself, so the watch hooks GStreamer's signals globally.
//
// Every fakesink added to any bin is told to announce its buffers, and the
// first announcement after `arm()` is kept: with a fake sink that runs in
// real time (the fixed sink, and the automatic sink's fallback on a machine
// without sound) that is the moment the buffer would be heard. A device sink
// announces nothing; for it the first buffer that reaches it while it is
// already playing is taken, which follows the first rendered one closely.
#include <cstdint>

namespace ejteto::bench {

// Once, after GStreamer is initialised and before any pipeline is built.
void installSinkWatch();
// Forgets the last buffer; the next rendered one is kept.
void armSinkWatch();
// CLOCK_MONOTONIC nanoseconds of the first buffer since arming; -1 when none.
int64_t firstRenderedBufferNs();

} // namespace ejteto::bench
