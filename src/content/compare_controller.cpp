#include "content/compare_controller.h"

namespace ejteto {

CompareController::CompareController(VoiceRecorder& recorder, RecordingPlayer& player, EventPump& pump,
                                     CompareView& view)
    : recorder_(recorder), player_(player), pump_(pump), view_(view)
{
}

QString CompareController::noMicrophoneText()
{
    return QStringLiteral("Nem található mikrofon, ezért a saját kiejtés felvétele és összehasonlítása "
                          "nem lehetséges.");
}

void CompareController::press(const CourseRecording& model)
{
    // The second press reaches here through the event pump of the take
    // still being recorded.
    if (recording_) {
        stop();
        return;
    }
    if (!recorder_.start()) {
        if (!toldNoMicrophone_) {
            toldNoMicrophone_ = true;
            view_.tell(noMicrophoneText());
        }
        return;
    }
    const VoiceTake take = recordTake();
    if (!take.isEmpty())
        for (const TakeObserver& observer : observers_)
            observer(model, take);
    player_.play(model, Speed::Normal);
    recorder_.playTake(take);
}

void CompareController::stop()
{
    if (recording_)
        stopAsked_ = true;
}

VoiceTake CompareController::recordTake()
{
    // The cue and the recording state end with the take, even when the
    // recorder fails: a cue left on would say the microphone still listens.
    struct TakeScope {
        CompareController& c;
        explicit TakeScope(CompareController& controller) : c(controller)
        {
            c.recording_ = true;
            c.stopAsked_ = false;
            c.view_.showRecordingCue(true);
        }
        ~TakeScope()
        {
            c.recording_ = false;
            c.view_.showRecordingCue(false);
        }
        TakeScope(const TakeScope&) = delete;
        TakeScope& operator=(const TakeScope&) = delete;
    } scope(*this);
    return recorder_.finish(pump_, [this] { return stopAsked_; });
}

} // namespace ejteto
