#pragma once
// The rules of a round of the listening drill, apart from its sequencing:
// which three vowels a lesson offers, which recordings can be heard in which
// voices, and the draw of each trial. The draw is adaptive: the vowels of a
// missed pair come up more often for the rest of the round, and a missed word
// comes back two trials later in another voice; a word never follows itself,
// and a voice is not heard twice in a row when another one has the word.
#include "app/random_source.h"
#include "content/recording_player.h"
#include "content/tables.h"
#include "content/voice_library.h"

#include <QStringList>
#include <array>
#include <vector>

namespace ejteto {

constexpr int kListeningTrials = 20;

struct ListeningChoices {
    std::array<int, 3> sounds{}; // the lesson's vowel first, then the two others
    // False when the sound table names fewer than two usable confusables for
    // the lesson and the nearest vowels stand in.
    bool fromTable = true;
};

// The lesson's vowel and its two confusables from the sound table. A
// confusable that is missing (0), outside 1..16, the lesson's own vowel or
// named twice is replaced by the nearest vowel: first one that the
// confusables themselves are confused with, then one whose own confusables
// name the lesson, then the closest by number.
ListeningChoices listeningChoices(const ContentTables& tables, int lesson);

// One thing a trial can play: a word, or a vowel alone, with the voices that
// hold a recording of it that can be heard.
struct ListeningItem {
    CourseRecording recording;
    int soundId = 0;    // the vowel it has: the right answer
    QStringList voices; // never empty; {""} when only the model voice has it
};

// The words of the three sounds and their bare vowels, each in every other
// voice that can play it, or else in the model voice; an item no voice can
// play is left out.
std::vector<ListeningItem> collectListeningItems(const ContentTables& tables, const std::array<int, 3>& sounds,
                                                 VoiceLibrary& library);

class ListeningDeck {
public:
    ListeningDeck() = default;
    ListeningDeck(std::vector<ListeningItem> items, const std::array<int, 3>& sounds);

    struct Pick {
        int item = -1;
        QString voice;
    };

    // The item and voice of trial `trialNo` (1..20); item -1 when the deck
    // holds nothing.
    Pick draw(RandomSource& random, int trialNo);
    // The answer to trial `trialNo`, which played `item` as the last draw.
    void judge(int item, int chosenSound, int trialNo);
    // A recording of `item` in `voice` that failed: never drawn again. False
    // when the item has no voice left and is out of the deck.
    bool dropVoice(int item, const QString& voice);

    const ListeningItem& item(int i) const { return items_.at(size_t(i)); }
    bool empty() const;
    // The draw weight of the three sounds, in the order given.
    const std::array<int, 3>& weights() const { return weights_; }

private:
    int placeOf(int soundId) const;
    bool usable(int i) const { return !items_[size_t(i)].voices.isEmpty(); }

    struct Retry {
        int item;
        int due;       // the first trial it may come back at
        QString voice; // the voice it was missed in
    };
    std::vector<ListeningItem> items_;
    std::array<int, 3> sounds_{};
    std::array<int, 3> weights_{};
    std::vector<Retry> retries_;
    int lastItem_ = -1;
    QString lastVoice_;
};

} // namespace ejteto
