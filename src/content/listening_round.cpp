#include "content/listening_round.h"

#include "content/sound_id.h"

#include <algorithm>
#include <cstdlib>

namespace ejteto {

namespace {
// Weights of the three sounds: every sound starts even; a miss raises the
// sound heard by 2 and the one chosen by 1, a right answer lowers the sound
// heard by 1 again, never below the start nor above the cap.
constexpr int kStartWeight = 2;
constexpr int kMaxWeight = 8;
// A missed word comes back after two other trials.
constexpr int kRetryGap = 3;
// One trial in six of a sound plays its vowel alone.
constexpr int kBareVowelShare = 6;

} // namespace

ListeningChoices listeningChoices(const ContentTables& t, int lesson)
{
    ListeningChoices c;
    c.sounds = {lesson, 0, 0};
    int filled = 1;
    const auto offer = [&](int s) {
        if (filled < 3 && SoundId::isValid(s) &&
            std::find(c.sounds.begin(), c.sounds.begin() + filled, s) == c.sounds.begin() + filled)
            c.sounds[size_t(filled++)] = s;
    };
    const auto confusablesOf = [&](int s) {
        const SoundRecord& r = t.SoundTable[size_t(SoundId::isValid(s) ? s : 0)];
        return std::array<int, 2>{r.Confusable1, r.Confusable2};
    };
    if (!SoundId::isValid(lesson))
        return c;
    for (const int s : confusablesOf(lesson))
        offer(s);
    if (filled == 3)
        return c;
    c.fromTable = false;
    for (const int near : confusablesOf(lesson))
        if (SoundId::isValid(near))
            for (const int s : confusablesOf(near))
                offer(s);
    for (const SoundId s : allSounds())
        for (const int back : confusablesOf(s.value()))
            if (back == lesson)
                offer(s.value());
    for (int d = 1; d < kSoundCount && filled < 3; ++d) {
        offer(lesson - d);
        offer(lesson + d);
    }
    return c;
}

std::vector<ListeningItem> collectListeningItems(const ContentTables& t, const std::array<int, 3>& sounds,
                                                 VoiceLibrary& library)
{
    const QStringList voices = library.voices();
    std::vector<ListeningItem> items;
    const auto add = [&](const CourseRecording& r, int soundId) {
        ListeningItem item{r, soundId, {}};
        for (const QString& v : voices)
            if (library.playable(r, v))
                item.voices << v;
        if (item.voices.isEmpty() && library.playable(r, QString()))
            item.voices << QString();
        if (!item.voices.isEmpty())
            items.push_back(std::move(item));
    };
    for (const int s : sounds) {
        if (!SoundId::isValid(s))
            continue;
        QStringList seen;
        for (int i = 1; i <= t.lastEntry(); ++i) {
            const szorekord& e = t.WordTable[size_t(i)];
            if (e.SoundId == s && !e.Word.isEmpty() && !seen.contains(e.Word)) {
                seen << e.Word;
                add(CourseRecording::ofWord(e.Word), s);
            }
        }
        add(CourseRecording::ofVowel(s), s);
    }
    return items;
}

ListeningDeck::ListeningDeck(std::vector<ListeningItem> items, const std::array<int, 3>& sounds)
    : items_(std::move(items)), sounds_(sounds)
{
    weights_.fill(kStartWeight);
}

int ListeningDeck::placeOf(int soundId) const
{
    const auto it = std::find(sounds_.begin(), sounds_.end(), soundId);
    return it == sounds_.end() ? -1 : int(it - sounds_.begin());
}

bool ListeningDeck::empty() const
{
    for (int i = 0; i < int(items_.size()); ++i)
        if (usable(i))
            return false;
    return true;
}

ListeningDeck::Pick ListeningDeck::draw(RandomSource& random, int trialNo)
{
    const auto candidate = [&](int i) { return usable(i) && i != lastItem_; };
    int chosen = -1;
    QString missedIn;
    // A missed word whose time has come goes first.
    for (auto it = retries_.begin(); it != retries_.end(); ++it) {
        if (it->due <= trialNo && candidate(it->item)) {
            chosen = it->item;
            missedIn = it->voice;
            retries_.erase(it);
            break;
        }
    }
    if (chosen < 0) {
        // A sound by its weight, among the sounds that have something to play.
        std::array<std::vector<int>, 3> words;
        std::array<int, 3> vowel = {-1, -1, -1};
        for (int i = 0; i < int(items_.size()); ++i) {
            const int place = placeOf(items_[size_t(i)].soundId);
            if (place < 0 || !candidate(i))
                continue;
            if (items_[size_t(i)].recording.kind == CourseRecording::Kind::Vowel)
                vowel[size_t(place)] = i;
            else
                words[size_t(place)].push_back(i);
        }
        int total = 0;
        for (size_t p = 0; p < 3; ++p)
            if (!words[p].empty() || vowel[p] >= 0)
                total += weights_[p];
        if (total == 0) {
            // Only the last item is left: hearing it again beats no trial.
            if (lastItem_ < 0 || !usable(lastItem_))
                return {};
            chosen = lastItem_;
        } else {
            int r = random.next(total);
            size_t p = 0;
            for (; p < 3; ++p) {
                if (words[p].empty() && vowel[p] < 0)
                    continue;
                if (r < weights_[p])
                    break;
                r -= weights_[p];
            }
            const bool bare = vowel[p] >= 0 && (words[p].empty() || random.next(kBareVowelShare) == 0);
            chosen = bare ? vowel[p] : words[p][size_t(random.next(int(words[p].size())))];
        }
    }
    // Another voice than the last trial's (and than the one a missed word
    // was missed in), when the item has one.
    QStringList voices = items_[size_t(chosen)].voices;
    for (const QString& avoid : {lastVoice_, missedIn})
        if (voices.size() > 1)
            voices.removeAll(avoid);
    const QString voice = voices[random.next(int(voices.size()))];
    lastItem_ = chosen;
    lastVoice_ = voice;
    return {chosen, voice};
}

void ListeningDeck::judge(int item, int chosenSound, int trialNo)
{
    if (item < 0 || item >= int(items_.size()))
        return;
    const int heard = placeOf(items_[size_t(item)].soundId);
    const int chosen = placeOf(chosenSound);
    if (heard < 0)
        return;
    int& w = weights_[size_t(heard)];
    if (chosen == heard) {
        w = std::max(kStartWeight, w - 1);
        return;
    }
    w = std::min(kMaxWeight, w + 2);
    if (chosen >= 0)
        weights_[size_t(chosen)] = std::min(kMaxWeight, weights_[size_t(chosen)] + 1);
    const bool queued =
        std::any_of(retries_.begin(), retries_.end(), [item](const Retry& r) { return r.item == item; });
    if (!queued)
        retries_.push_back({item, trialNo + kRetryGap, lastVoice_});
}

bool ListeningDeck::dropVoice(int item, const QString& voice)
{
    if (item < 0 || item >= int(items_.size()))
        return false;
    items_[size_t(item)].voices.removeAll(voice);
    return usable(item);
}

} // namespace ejteto
