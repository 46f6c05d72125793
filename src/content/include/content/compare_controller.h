#pragma once
// Record and compare: the learner says a word or vowel after a press on the
// control that plays it, then hears the course's recording and their own
// take one after the other. Plain logic over a recorder, a recording player,
// the window's event pump and a small view, so the order is tested without
// a microphone or real waiting.
#include "content/compare_view.h"
#include "content/recording_player.h"
#include "content/run_clock.h"
#include "content/voice_recorder.h"

#include <functional>
#include <vector>

namespace ejteto {

// Told of every take as soon as it is recorded, before the model plays:
// what the learner was repeating and what they said.
using TakeObserver = std::function<void(const CourseRecording& model, const VoiceTake& take)>;

class CompareController {
public:
    CompareController(VoiceRecorder& recorder, RecordingPlayer& player, EventPump& pump, CompareView& view);

    // A press on a control that plays `model`: cue on, record, cue off, play
    // the model, play the take. A press while a take is being recorded ends
    // that take instead. Without a microphone the learner is told so once
    // per run and nothing else happens; each press looks for one again.
    void press(const CourseRecording& model);
    // Ends the take being recorded, as a second press does; nothing when no
    // take is being recorded (a press that names no model: a face-down card).
    void stop();

    bool recording() const { return recording_; }

    // Someone else who wants each take (the vowel chart); the take stays in
    // memory and is played back as before.
    void addTakeObserver(TakeObserver observer) { observers_.push_back(std::move(observer)); }

    // The message of the missing microphone.
    static QString noMicrophoneText();

private:
    VoiceTake recordTake();

    VoiceRecorder& recorder_;
    RecordingPlayer& player_;
    EventPump& pump_;
    CompareView& view_;

    std::vector<TakeObserver> observers_;
    bool recording_ = false;
    bool stopAsked_ = false;
    bool toldNoMicrophone_ = false;
};

} // namespace ejteto
