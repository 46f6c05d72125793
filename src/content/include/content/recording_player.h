#pragma once
// Playing a recording to its end: the one sound operation the learning
// modules need. The window plays through its hidden media player; tests
// record what would have been heard.
#include <QString>

namespace ejteto {

class RecordingPlayer {
public:
    virtual ~RecordingPlayer() = default;

    // The recording of `word`; returns when it has ended. A recording that
    // cannot be opened raises its error, and nothing after it runs.
    virtual void playWord(const QString& word) = 0;
    // The recording of vowel sound `soundId` alone, the same way.
    virtual void playVowel(int soundId) = 0;
};

} // namespace ejteto
