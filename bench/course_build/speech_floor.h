#pragma once
// The floor of the course-build figures: the speech the course cannot do
// without. Every recording and every piece of lecture narration comes from
// one espeak-ng run; the floor makes exactly those runs, on as many threads
// as the build uses, and nothing else (no trimming, levelling, pictures,
// video or files).
#include "contentkit/speech.h"

#include <vector>

namespace ejteto::bench {

// Every distinct speech request of the course in `dataDir`: the words, the
// vowels and the narration of the lectures.
std::vector<contentkit::SpeechRequest> courseSpeech(const QString& dataDir);

// Runs espeak-ng for each request on `threads` threads; fails the benchmark
// when one fails.
void synthesizeAll(const std::vector<contentkit::SpeechRequest>& requests, int threads);

} // namespace ejteto::bench
