#pragma once
// Record and compare in the main window. The order lives in
// CompareController; the window shows the recording cue in its title, which
// moves no control, and tells of a missing microphone in the error box.
#include "content/compare_controller.h"

#include <memory>
#include <optional>

class QWidget;

namespace ejteto {

class VoiceCompare {
public:
    VoiceCompare(QWidget* window, std::unique_ptr<VoiceRecorder> recorder, RecordingPlayer& player, EventPump& pump);
    ~VoiceCompare();
    VoiceCompare(const VoiceCompare&) = delete;
    VoiceCompare& operator=(const VoiceCompare&) = delete;

    CompareController& controller() { return *controller_; }
    // Records the learner, then plays `model` and the take. While a take is
    // being recorded it ends that take instead, with a model or without.
    void recordAndCompare(const std::optional<CourseRecording>& model);

private:
    std::unique_ptr<VoiceRecorder> recorder_;
    std::unique_ptr<CompareView> view_;
    std::unique_ptr<CompareController> controller_;
};

} // namespace ejteto
