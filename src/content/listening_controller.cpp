#include "content/listening_controller.h"

#include "app/app_error.h"

#include <algorithm>

namespace ejteto {

namespace {
// Noise comes in once this many of the last answers are right: nine of
// ten, the first step above 85 %.
constexpr size_t kRecentAnswers = 10;
constexpr int kRightForNoise = 9;
// A trial whose recording fails is tried again in another voice or word;
// after this many failures the error is shown instead.
constexpr int kPlayAttempts = 5;

AppError listeningError(const QString& text) { return AppError(QStringLiteral("EListening"), text); }
} // namespace

ListeningController::ListeningController(const ContentTables& tables, VoiceLibrary& library, ListeningPlayer& player,
                                         RandomSource& random, Clock& clock, ListeningView& view)
    : tables_(tables), library_(library), player_(player), random_(random), clock_(clock), view_(view)
{
}

bool ListeningController::noisyNow() const
{
    return snrDb_ && recent_.size() >= kRecentAnswers &&
           std::count(recent_.begin(), recent_.end(), true) >= kRightForNoise;
}

void ListeningController::startRound(int lesson)
{
    if (!SoundId::isValid(lesson))
        throw listeningError(QStringLiteral("Előbb válassz leckét a mozaikban: a hallásgyakorlat a lecke "
                                            "hangját és a vele téveszthető hangokat gyakoroltatja."));
    ListeningChoices choices = listeningChoices(tables_, lesson);
    std::vector<ListeningItem> items = collectListeningItems(tables_, choices.sounds, library_);
    if (items.empty())
        throw listeningError(QStringLiteral("A(z) %1. lecke hangjaihoz nincs lejátszható felvétel, a "
                                            "hallásgyakorlat nem indítható.")
                                 .arg(lesson));
    if (!choices.fromTable && !toldNearest_.contains(lesson)) {
        toldNearest_.insert(lesson);
        view_.showNotice(QStringLiteral("A hangtáblázat a(z) %1. lecke hangjához nem ad meg két tévesztett "
                                        "hangot, ezért a gyakorlat a hozzá legközelebbi hangokat kínálja.")
                             .arg(lesson));
    }
    if (library_.voices().isEmpty() && !toldModelOnly_) {
        toldModelOnly_ = true;
        view_.showNotice(QStringLiteral("A tananyagban nincsenek további hangok (media/voices), ezért a "
                                        "gyakorlat csak a mintahangot használja."));
    }
    lesson_ = lesson;
    choices_ = choices;
    deck_ = ListeningDeck(std::move(items), choices_.sounds);
    right_ = 0;
    confusions_.clear();
    trialNo_ = 1;
    // A first trial that cannot be heard leaves no round behind it.
    phase_ = Phase::Idle;
    playTrial();
}

void ListeningController::playTrial()
{
    view_.showTrial(trialNo_, kListeningTrials, choices_.sounds, noisyNow());
    for (int attempt = 1;; ++attempt) {
        pick_ = deck_.draw(random_, trialNo_);
        if (pick_.item < 0)
            throw listeningError(
                QStringLiteral("A(z) %1. lecke felvételei közül egyik sem játszható le.").arg(lesson_));
        sound_ = {deck_.item(pick_.item).recording, pick_.voice, noisyNow(), snrDb_.value_or(0)};
        try {
            player_.play(sound_);
            break;
        } catch (const std::exception&) {
            // A file that passed the check but does not play: never again,
            // and the trial is heard in another voice or word instead.
            library_.markBroken(sound_.recording, sound_.voice);
            deck_.dropVoice(pick_.item, sound_.voice);
            if (attempt == kPlayAttempts || deck_.empty())
                throw;
        }
    }
    heardAt_ = clock_.now();
    phase_ = Phase::Listening;
}

void ListeningController::choose(int place)
{
    if (phase_ != Phase::Listening || place < 0 || place > 2)
        return;
    const ListeningItem& item = deck_.item(pick_.item);
    const int chosen = choices_.sounds[size_t(place)];
    const bool right = chosen == item.soundId;
    const auto rightPlace = std::find(choices_.sounds.begin(), choices_.sounds.end(), item.soundId);
    phase_ = Phase::Judged;
    right_ += right ? 1 : 0;
    recent_.push_back(right);
    if (recent_.size() > kRecentAnswers)
        recent_.pop_front();
    if (!right) {
        auto c = std::find_if(confusions_.begin(), confusions_.end(), [&](const ListeningConfusion& x) {
            return x.heard == item.soundId && x.chosen == chosen;
        });
        if (c == confusions_.end())
            confusions_.push_back({item.soundId, chosen, 1});
        else
            ++c->count;
    }
    deck_.judge(pick_.item, chosen, trialNo_);
    const bool isWord = item.recording.kind == CourseRecording::Kind::Word;
    view_.showVerdict({right, place, int(rightPlace - choices_.sounds.begin()), item.soundId, chosen,
                       isWord ? item.recording.word : QString()});
    if (sink_) {
        const QDateTime now = clock_.now();
        sink_->recordAnswer({lesson_, isWord ? item.recording.word : QString(), item.soundId, sound_.voice,
                             choices_.sounds, chosen, right, sound_.snrDb, sound_.noisy, trialNo_,
                             heardAt_.msecsTo(now), now});
    }
}

void ListeningController::next()
{
    if (phase_ != Phase::Judged)
        return;
    if (trialNo_ < kListeningTrials) {
        // A trial that cannot be heard is not counted: "Tovább" tries it again.
        ++trialNo_;
        try {
            playTrial();
        } catch (...) {
            --trialNo_;
            throw;
        }
        return;
    }
    phase_ = Phase::Finished;
    ListeningSummary summary{right_, kListeningTrials, confusions_, noisyNow()};
    std::stable_sort(summary.confusions.begin(), summary.confusions.end(),
                     [](const ListeningConfusion& a, const ListeningConfusion& b) { return a.count > b.count; });
    view_.showSummary(summary);
}

void ListeningController::replay()
{
    if (phase_ == Phase::Listening || phase_ == Phase::Judged)
        player_.play(sound_);
}

void ListeningController::playRightVowel()
{
    // Before the choice it would give the answer away.
    if (phase_ == Phase::Judged)
        player_.play({CourseRecording::ofVowel(deck_.item(pick_.item).soundId), QString(), false, 0});
}

} // namespace ejteto
