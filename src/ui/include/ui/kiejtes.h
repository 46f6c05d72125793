#pragma once
// The "Kiejtés" learning tool, set up beside the main window: Ctrl+K and
// the tiles' and cards' right-click menu open its window, and every take
// of record-and-compare is measured and shown in it. The course's measured
// vowels are read once, from the installation's media/phones/formants.csv.
#include "ui/tool_window.h"

#include <QString>
#include <functional>
#include <memory>

namespace ejteto {

class TForm1;

// A take the window has judged, for the learner's history: the vowel
// repeated (1..16), the verdict shown, and the formants at the middle of
// its vowel (0 when it held none). The voice itself is never kept.
struct JudgedTake {
    int target = 0;
    QString verdict;
    double f1 = 0, f2 = 0, f3 = 0;
};
using JudgedTakeSink = std::function<void(const JudgedTake&)>;

// The tool's window, hidden until asked for; `form` must outlive it.
// `judged`, when given, hears of every take of a known vowel.
std::unique_ptr<ToolWindow> installKiejtes(TForm1& form, JudgedTakeSink judged = {});

} // namespace ejteto
