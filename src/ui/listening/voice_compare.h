#pragma once
// Record and compare in the main window. The order lives in
// CompareController; the window shows the recording cue in its title, which
// moves no control, and tells of a missing microphone in the error box.
#include "content/compare_controller.h"

#include <memory>

class QWidget;

namespace ejteto {

class VoiceCompare {
public:
    VoiceCompare(QWidget* window, std::unique_ptr<VoiceRecorder> recorder, RecordingPlayer& player, EventPump& pump);
    ~VoiceCompare();
    VoiceCompare(const VoiceCompare&) = delete;
    VoiceCompare& operator=(const VoiceCompare&) = delete;

    CompareController& controller() { return *controller_; }

private:
    std::unique_ptr<VoiceRecorder> recorder_;
    std::unique_ptr<CompareView> view_;
    std::unique_ptr<CompareController> controller_;
};

} // namespace ejteto
