#pragma once
// Playing a recording to its end: the one sound operation the learning
// modules need. The window plays through its hidden media player; tests
// record what would have been heard.
#include <QString>

namespace ejteto {

// One recording of the course: a word's, or a vowel's alone. Every control
// that plays something names it this way, so the other ways of hearing it
// (slowly, beside the learner's own take) need nothing more.
struct CourseRecording {
    enum class Kind { Word, Vowel };
    Kind kind = Kind::Word;
    QString word;    // the word as spelled, for a word
    int soundId = 0; // the vowel's sound id, for a vowel

    static CourseRecording ofWord(const QString& word) { return {Kind::Word, word, 0}; }
    static CourseRecording ofVowel(int soundId) { return {Kind::Vowel, QString(), soundId}; }
};

enum class Speed {
    Normal,
    Slow, // 0.6 times the normal speed, at the same pitch
};

class RecordingPlayer {
public:
    virtual ~RecordingPlayer() = default;

    // Plays `recording` at `speed` and returns when it has ended. A recording
    // that cannot be opened raises its error, and nothing after it runs.
    virtual void play(const CourseRecording& recording, Speed speed) = 0;

    // The recording of `word`.
    void playWord(const QString& word, Speed speed = Speed::Normal) { play(CourseRecording::ofWord(word), speed); }
    // The recording of vowel sound `soundId` alone.
    void playVowel(int soundId, Speed speed = Speed::Normal) { play(CourseRecording::ofVowel(soundId), speed); }
};

} // namespace ejteto
