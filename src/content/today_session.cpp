#include "content/today_session.h"

#include "app/app_error.h"
#include "content/vowel_symbols.h"

#include <algorithm>

namespace ejteto {

namespace {

QString slashed(int sound) { return QLatin1Char('/') + bareSymbolText(sound) + QLatin1Char('/'); }

QString quoted(const QString& word) { return QStringLiteral("„") + word + QStringLiteral("”"); }

} // namespace

TodaySession::TodaySession(const ContentTables& tables, VoiceLibrary& library, ListeningPlayer& player,
                           TakeMaker& takes, RandomSource& random, Clock& clock, TodayView& view)
    : tables_(tables), library_(library), player_(player), takes_(takes), random_(random), clock_(clock), view_(view)
{
}

QString TodaySession::wordOf(int sound)
{
    const int first = tables_.firstEntryOfSound(sound);
    if (first == 0)
        return {};
    int count = 0;
    while (const szorekord* e = tables_.entry(first + count)) {
        if (e->SoundId != sound)
            break;
        ++count;
    }
    return tables_.entry(first + random_.next(count))->Word;
}

void TodaySession::buildSteps(const TodayPlan& plan)
{
    steps_.clear();
    items_.clear();
    const QStringList voices = library_.voices();
    for (const PlannedItem& p : plan.hearing) {
        items_.push_back(p);
        std::array<int, kTrialsPerContrast> order{p.item.lesson, p.item.other, p.item.lesson, p.item.other};
        for (int i = kTrialsPerContrast - 1; i > 0; --i)
            std::swap(order[size_t(i)], order[size_t(random_.next(i + 1))]);
        for (const int sound : order) {
            TodayStep s;
            s.kind = TodayStep::Kind::Hearing;
            s.planned = int(items_.size()) - 1;
            s.lesson = p.item.lesson;
            s.rightSound = sound;
            s.options = random_.next(2) == 0 ? std::array<int, 2>{p.item.lesson, p.item.other}
                                             : std::array<int, 2>{p.item.other, p.item.lesson};
            // A word in another voice where one can be heard; the vowel
            // alone in the model voice as the last way out.
            bool found = false;
            for (int attempt = 0; attempt < 12 && !found; ++attempt) {
                const QString word = wordOf(sound);
                const QString voice = voices.isEmpty() ? QString() : voices[random_.next(int(voices.size()))];
                for (const QString& v : {voice, QString()}) {
                    if (!word.isEmpty() && library_.playable(CourseRecording::ofWord(word), v)) {
                        s.sound = {CourseRecording::ofWord(word), v, false, 0};
                        found = true;
                        break;
                    }
                }
            }
            if (!found && library_.playable(CourseRecording::ofVowel(sound), QString())) {
                s.sound = {CourseRecording::ofVowel(sound), QString(), false, 0};
                found = true;
            }
            if (found)
                steps_.push_back(s);
        }
    }
    for (const PlannedItem& p : plan.choosing) {
        const QString right = wordOf(p.item.lesson);
        const QString wrong = wordOf(p.item.other);
        if (right.isEmpty() || wrong.isEmpty())
            continue;
        items_.push_back(p);
        TodayStep s;
        s.kind = TodayStep::Kind::Choosing;
        s.planned = int(items_.size()) - 1;
        s.lesson = p.item.lesson;
        s.rightSound = p.item.lesson;
        const bool rightFirst = random_.next(2) == 0;
        s.words = rightFirst ? std::array<QString, 2>{right, wrong} : std::array<QString, 2>{wrong, right};
        s.options = rightFirst ? std::array<int, 2>{p.item.lesson, p.item.other}
                               : std::array<int, 2>{p.item.other, p.item.lesson};
        steps_.push_back(s);
    }
    for (const PlannedItem& p : plan.saying) {
        items_.push_back(p);
        TodayStep s;
        s.kind = TodayStep::Kind::Saying;
        s.planned = int(items_.size()) - 1;
        s.lesson = p.item.lesson;
        s.rightSound = p.item.lesson;
        s.model =
            p.item.word.isEmpty() ? CourseRecording::ofVowel(p.item.lesson) : CourseRecording::ofWord(p.item.word);
        steps_.push_back(s);
    }
}

void TodaySession::start(const TodayPlan& plan)
{
    buildSteps(plan);
    if (steps_.empty())
        throw AppError(QStringLiteral("ETodayPractice"),
                       QStringLiteral("Ma nincs mit gyakorolni: a tananyagban nincs meghallgatható szó."));
    worst_.assign(items_.size(), Rating::Easy);
    answered_.assign(items_.size(), false);
    nextDue_ = plan.nextDue;
    chosenRuns_.clear();
    summary_ = {};
    startedAt_ = clock_.now();
    index_ = 0;
    show();
}

void TodaySession::show()
{
    phase_ = Phase::Asking;
    const TodayStep& s = steps_[size_t(index_)];
    view_.showStep(s, index_ + 1, int(steps_.size()));
    if (s.kind == TodayStep::Kind::Hearing)
        player_.play(s.sound);
    shownAt_ = clock_.now();
}

void TodaySession::replay()
{
    if (phase_ == Phase::Idle || phase_ == Phase::Finished)
        return;
    const TodayStep& s = steps_[size_t(index_)];
    if (s.kind == TodayStep::Kind::Hearing)
        player_.play(s.sound);
}

void TodaySession::choose(int place)
{
    if (phase_ != Phase::Asking || place < 0 || place > 1)
        return;
    TodayStep& s = steps_[size_t(index_)];
    const QDateTime now = clock_.now();
    if (s.kind == TodayStep::Kind::Saying) {
        takes_.sayAndJudge(s.model);
        return;
    }
    const int chosen = s.options[size_t(place)];
    const bool right = chosen == s.rightSound;
    if (s.kind == TodayStep::Kind::Hearing) {
        const qint64 ms = std::max<qint64>(0, shownAt_.msecsTo(now));
        ++summary_.hearingTotal;
        summary_.hearingRight += right ? 1 : 0;
        if (heardSink_) {
            ListeningAnswer a;
            a.lesson = s.lesson;
            a.word = s.sound.recording.word;
            a.soundId = s.rightSound;
            a.voice = s.sound.voice;
            a.offered = {s.options[0], s.options[1], 0};
            a.chosen = chosen;
            a.right = right;
            a.trialNo = index_ + 1;
            a.responseMs = ms;
            a.at = now;
            heardSink_->recordAnswer(a);
        }
        const QString what = s.sound.recording.kind == CourseRecording::Kind::Word
                                 ? QStringLiteral("%1 (%2)").arg(slashed(s.rightSound), s.sound.recording.word)
                                 : slashed(s.rightSound);
        judged(right,
               right ? QStringLiteral("Helyes: %1.").arg(what)
                     : QStringLiteral("Nem: %1 szólt, nem %2.").arg(what, slashed(chosen)),
               right ? ratingOfRightAnswer(ms) : Rating::Again);
        return;
    }
    ++summary_.choosingTotal;
    summary_.choosingRight += right ? 1 : 0;
    auto run =
        std::find_if(chosenRuns_.begin(), chosenRuns_.end(), [&](const RunReport& r) { return r.lesson == s.lesson; });
    if (run == chosenRuns_.end()) {
        RunReport r;
        r.kind = RunKind::Practice;
        r.lesson = s.lesson;
        r.level = -1; // two words, not one of the three levels
        r.startedAt = now;
        chosenRuns_.push_back(r);
        run = chosenRuns_.end() - 1;
    }
    AskedQuestion q;
    for (size_t i = 0; i < 2; ++i) {
        q.offered[i] = s.words[i];
        q.sounds[i] = s.options[i];
    }
    q.correctPlace = s.options[0] == s.rightSound ? 0 : 1;
    q.chosenPlace = place;
    q.wrongTries = right ? 0 : 1;
    run->questions.push_back(q);
    run->endedAt = now;
    if (right)
        ++run->rightCount;
    else
        ++run->wrongCount;
    const QString rightWord = s.words[size_t(q.correctPlace)];
    judged(right,
           right ? QStringLiteral("Helyes: %1 – %2.").arg(quoted(rightWord), slashed(s.rightSound))
                 : QStringLiteral("Nem: %1 hangja %2. A helyes szó: %3 – %4.")
                       .arg(quoted(s.words[size_t(place)]), slashed(chosen), quoted(rightWord), slashed(s.rightSound)),
           right ? Rating::Good : Rating::Again);
}

void TodaySession::takeJudged(int targetSound, bool right, const QString& verdictText)
{
    if (phase_ != Phase::Asking)
        return;
    const TodayStep& s = steps_[size_t(index_)];
    if (s.kind != TodayStep::Kind::Saying || targetSound != s.rightSound)
        return;
    ++summary_.sayingTotal;
    summary_.sayingRight += right ? 1 : 0;
    judged(right, verdictText, right ? Rating::Good : Rating::Again);
}

void TodaySession::judged(bool right, const QString& text, Rating rating)
{
    const size_t p = size_t(steps_[size_t(index_)].planned);
    worst_[p] = std::min(worst_[p], right ? rating : Rating::Again);
    answered_[p] = true;
    phase_ = Phase::Judged;
    view_.showVerdict(right, text);
}

void TodaySession::next()
{
    if (phase_ != Phase::Judged)
        return;
    if (++index_ < int(steps_.size())) {
        show();
        return;
    }
    finish(true);
}

void TodaySession::close()
{
    if (phase_ == Phase::Asking || phase_ == Phase::Judged)
        finish(false);
}

void TodaySession::sendChosenRuns(RunEnd end)
{
    if (chosenSink_) {
        for (RunReport& r : chosenRuns_) {
            r.end = end;
            chosenSink_->runEnded(r);
        }
    }
    chosenRuns_.clear();
}

void TodaySession::finish(bool finished)
{
    phase_ = Phase::Finished;
    sendChosenRuns(finished ? RunEnd::Finished : RunEnd::Abandoned);
    const QDateTime now = clock_.now();
    summary_.finished = finished;
    QDateTime comeBack = nextDue_.isValid() ? nextDue_.toLocalTime() : QDateTime();
    for (size_t i = 0; i < items_.size(); ++i) {
        if (!answered_[i])
            continue;
        const PlannedItem& p = items_[i];
        (worst_[i] == Rating::Again ? summary_.missed : summary_.improved).push_back(p.item);
        const double elapsed =
            p.lastReview.isValid() ? std::max<double>(0, double(p.lastReview.msecsTo(now)) / 86'400'000.0) : 0;
        const ReviewOutcome out = MemoryModel::review(p.state, worst_[i], elapsed);
        const QDateTime due = now.addMSecs(qint64(out.intervalDays * 86'400'000.0));
        if (!comeBack.isValid() || due < comeBack)
            comeBack = due;
    }
    summary_.comeBack = comeBack;
    view_.showSummary(summary_);
}

} // namespace ejteto
