#pragma once
// A speaker recording a voice for the course, item by item: the sixteen
// vowels, then every word. Each take is shaped (trimmed and levelled) and
// checked before it is kept; a kept take is on disk at once, so stopping
// loses nothing and the next session goes on from the first item without a
// take. The window ("Hangfelvétel") is the view; the microphone, the store
// and the vowel's judge come in through small interfaces.
#include "content/recording_player.h"
#include "content/run_clock.h"
#include "content/tables.h"
#include "content/take_checks.h"
#include "content/voice_recorder.h"

#include <functional>
#include <optional>
#include <vector>

namespace ejteto {

struct RecordingItem {
    int soundId = 0; // the vowel's lesson, or the word's vowel
    QString word;    // empty for the vowel alone

    bool isVowel() const { return word.isEmpty(); }
    // Inside the voice folder: phones/<n>.wav or words/<word>.wav.
    QString relativePath() const;
    CourseRecording modelRecording() const;
};

// The sixteen vowels, then each word of the table once, in table order;
// words that cannot stand as a file name are left out.
std::vector<RecordingItem> recordingItems(const ContentTables& tables);

// Where kept takes go: the voice folder.
class TakeStore {
public:
    virtual ~TakeStore() = default;
    virtual bool has(const RecordingItem& item) const = 0;
    // Keeps `take` as the item's recording, replacing an earlier one; an
    // error text (Hungarian) or "".
    virtual QString keep(const RecordingItem& item, const VoiceTake& take) = 0;
};

class RecordingSessionView {
public:
    virtual ~RecordingSessionView() = default;
    // Item `position` (0-based) of `count`, and whether it has a kept take.
    virtual void showItem(const RecordingItem& item, int position, int count, bool kept) = 0;
    virtual void showProgress(int keptCount, int count) = 0;
    // What became of the last take, or what to do next.
    virtual void showMessage(const QString& text) = 0;
    virtual void showRecording(bool recording) = 0;
};

// Trims the silence around a take and levels its loudness.
using TakeShaper = std::function<VoiceTake(const VoiceTake&)>;
// For a vowel's take: why it sounds like another vowel ("Ez inkább /e/-nek
// hangzik, mint /æ/-nek. Felveszed újra?"), or nothing when it is the item's.
using VowelJudge = std::function<std::optional<QString>(const VoiceTake&, const RecordingItem&)>;

struct RecordingSessionParts {
    VoiceRecorder& recorder;
    RecordingPlayer& model; // the course's model recordings
    TakeStore& store;
    RecordingSessionView& view;
    EventPump& pump;
    TakeShaper shape; // none: takes are kept as recorded
    VowelJudge vowel; // none: vowels are not judged
};

class RecordingSession {
public:
    RecordingSession(std::vector<RecordingItem> items, const RecordingSessionParts& parts);

    // Shows the first item without a kept take (the last item when all have one).
    void begin();
    // Records a take of the current item until the speaker stops (or the
    // recorder's own end) and checks it as recorded; a sound take is shaped
    // and kept and the next item shown, a faulty one is held for listening
    // and its fault shown. A second call while recording stops the take.
    void record();
    bool recording() const { return recording_; }
    // Plays the last take back, kept or not.
    void listenBack();
    void playModel();
    void next();
    void previous();
    // Past every item with a take already, to the next one without.
    void nextMissing();

    int position() const { return position_; }
    int keptCount() const;
    int count() const { return int(items_.size()); }
    const RecordingItem& current() const { return items_[size_t(position_)]; }

private:
    void show();
    void judge(const VoiceTake& take);

    std::vector<RecordingItem> items_;
    RecordingSessionParts parts_;
    int position_ = 0;
    bool recording_ = false;
    bool stopAsked_ = false;
    VoiceTake lastTake_;
};

} // namespace ejteto
