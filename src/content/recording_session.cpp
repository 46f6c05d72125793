#include "content/recording_session.h"

#include "app/paths.h"

#include <QSet>

namespace ejteto {

QString RecordingItem::relativePath() const
{
    return isVowel() ? QStringLiteral("phones/%1.wav").arg(soundId)
                     : QStringLiteral("words/") + word + QStringLiteral(".wav");
}

CourseRecording RecordingItem::modelRecording() const
{
    return isVowel() ? CourseRecording::ofVowel(soundId) : CourseRecording::ofWord(word);
}

std::vector<RecordingItem> recordingItems(const ContentTables& tables)
{
    std::vector<RecordingItem> items;
    for (int n = 1; n <= kSoundCount; ++n)
        items.push_back({n, {}});
    QSet<QString> seen;
    for (int32_t i = 1; i <= tables.lastEntry(); ++i) {
        const szorekord* e = tables.entry(i);
        if (!e || !isPlainFileName(e->Word) || seen.contains(e->Word))
            continue;
        seen.insert(e->Word);
        items.push_back({e->SoundId, e->Word});
    }
    return items;
}

RecordingSession::RecordingSession(std::vector<RecordingItem> items, const RecordingSessionParts& parts)
    : items_(std::move(items)), parts_(parts)
{
}

int RecordingSession::keptCount() const
{
    int n = 0;
    for (const RecordingItem& item : items_)
        n += parts_.store.has(item) ? 1 : 0;
    return n;
}

void RecordingSession::begin()
{
    position_ = 0;
    while (position_ + 1 < count() && parts_.store.has(current()))
        ++position_;
    show();
    if (keptCount() > 0 && keptCount() < count())
        parts_.view.showMessage(QStringLiteral("Folytatod ott, ahol abbahagytad."));
}

void RecordingSession::show()
{
    if (items_.empty())
        return;
    parts_.view.showItem(current(), position_, count(), parts_.store.has(current()));
    parts_.view.showProgress(keptCount(), count());
}

void RecordingSession::record()
{
    if (items_.empty())
        return;
    if (recording_) {
        stopAsked_ = true;
        return;
    }
    if (!parts_.recorder.start()) {
        parts_.view.showMessage(QStringLiteral("Nincs mikrofon: a felvétel nem indul."));
        return;
    }
    recording_ = true;
    stopAsked_ = false;
    parts_.view.showRecording(true);
    VoiceTake take = parts_.recorder.finish(parts_.pump, [this] { return stopAsked_; });
    recording_ = false;
    parts_.view.showRecording(false);
    judge(take);
}

void RecordingSession::judge(const VoiceTake& take)
{
    lastTake_ = take;
    // The take as recorded is checked: once levelled, a clipped take is
    // clipped no more and a silent one's hiss is as loud as a voice.
    const TakeCheck check = checkTake(take, current().isVowel() ? kVowelTake : kWordTake);
    if (!check.ok()) {
        parts_.view.showMessage(check.advice);
        return;
    }
    if (current().isVowel() && parts_.vowel) {
        if (const std::optional<QString> other = parts_.vowel(take, current())) {
            parts_.view.showMessage(*other);
            return;
        }
    }
    if (parts_.shape)
        lastTake_ = parts_.shape(take);
    if (const QString error = parts_.store.keep(current(), lastTake_); !error.isEmpty()) {
        parts_.view.showMessage(error);
        return;
    }
    const RecordingItem kept = current();
    if (position_ + 1 < count())
        ++position_;
    show();
    parts_.view.showMessage(kept.isVowel() ? QStringLiteral("Megvan a hang.")
                                           : QStringLiteral("Megvan: %1.").arg(kept.word));
}

void RecordingSession::listenBack()
{
    if (lastTake_.isEmpty()) {
        parts_.view.showMessage(QStringLiteral("Még nincs meghallgatható felvétel."));
        return;
    }
    parts_.recorder.playTake(lastTake_);
}

void RecordingSession::playModel()
{
    if (!items_.empty())
        parts_.model.play(current().modelRecording(), Speed::Normal);
}

void RecordingSession::next()
{
    if (position_ + 1 < count()) {
        ++position_;
        lastTake_ = {};
        show();
    }
}

void RecordingSession::previous()
{
    if (position_ > 0) {
        --position_;
        lastTake_ = {};
        show();
    }
}

void RecordingSession::nextMissing()
{
    for (int p = position_ + 1; p < count(); ++p)
        if (!parts_.store.has(items_[size_t(p)])) {
            position_ = p;
            lastTake_ = {};
            show();
            return;
        }
    parts_.view.showMessage(QStringLiteral("Innen már minden felvétel megvan."));
}

} // namespace ejteto
