#pragma once
// The "Kiejtés" learning tool, set up beside the main window: Ctrl+K and
// the tiles' and cards' right-click menu open its window, and every take
// of record-and-compare is measured and shown in it. The course's measured
// vowels are read once, from the installation's media/phones/formants.csv.
#include "ui/tool_window.h"

#include <memory>

namespace ejteto {

class TForm1;

// The tool's window, hidden until asked for; `form` must outlive it.
std::unique_ptr<ToolWindow> installKiejtes(TForm1& form);

} // namespace ejteto
