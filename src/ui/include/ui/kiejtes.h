#pragma once
// The "Kiejtés" learning tool, set up beside the main window: Ctrl+K and
// the tiles' and cards' right-click menu open its window, and every take
// of record-and-compare is judged and shown in it. The course's measured
// vowels are read once, from the installation's media/phones/formants.csv.
#include "history/history_store.h"
#include "phonetics/take_judge.h"
#include "ui/tool_window.h"

#include <functional>
#include <memory>

namespace ejteto {

class ToolHost;

// Told of every judged take, for the learner's history: what was repeated,
// what was heard, the formants and the scale, or why it was not judged. The
// voice itself is never kept.
using JudgedTakeSink = std::function<void(const phonetics::JudgedTake&)>;

// The speaker's scale across sessions: where the window starts from, and
// whom to tell when the learner starts over for a new speaker.
struct SpeakerKeeping {
    phonetics::SpeakerScale kept;
    std::function<void()> newSpeaker;
};

// A judged take as the learner's history keeps it, taken at `at`.
TakeReport takeReport(const phonetics::JudgedTake& take, const QDateTime& at);

// The tool's window, hidden until asked for; `host` must outlive it.
// `judged`, when given, hears of every take the window judged. The window
// lists the chosen lesson's words, following the mosaic.
std::unique_ptr<ToolWindow> installKiejtes(ToolHost& host, JudgedTakeSink judged = {}, SpeakerKeeping speaker = {});

} // namespace ejteto
