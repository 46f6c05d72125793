// Whole rounds of the listening drill, without a window and on paper time:
// what each trial plays and in which voice, how misses steer the draw, and
// what happens with broken recordings, no voices and no confusables.
#include "audio/noise_mix.h"
#include "audio/wav_file.h"
#include "content/listening_controller.h"
#include "support/fake_run_world.h"

#include "app/app_error.h"

#include <QSet>
#include <cmath>
#include <gtest/gtest.h>
#include <map>

using namespace ejteto;
using namespace ejteto::testing;

namespace {

// Sixteen sounds of four words each ("s3w2" is word 2 of sound 3); sound s
// is confused with the two after it, sound 1 with 3 and 2.
ContentTables smallTable()
{
    ContentTables t;
    t.WordTable.assign(1, szorekord{});
    for (int s = 1; s <= kSoundCount; ++s) {
        t.SoundTable[size_t(s)] = {s, 4, s % 16 + 1, (s + 1) % 16 + 1, 0};
        for (int k = 1; k <= 4; ++k)
            t.WordTable.push_back({QStringLiteral("s%1w%2").arg(s).arg(k), s, QString()});
    }
    t.SoundTable[1].Confusable1 = 3;
    t.SoundTable[1].Confusable2 = 2;
    t.WordCount = int32_t(t.WordTable.size()) - 1;
    return t;
}

QString nameOf(const CourseRecording& r)
{
    return r.kind == CourseRecording::Kind::Vowel ? QStringLiteral("vowel%1").arg(r.soundId) : r.word;
}

class FakeVoices : public VoiceLibrary {
public:
    QStringList voices() const override { return names; }
    bool playable(const CourseRecording& r, const QString& voice) override
    {
        return !unplayable.contains(voice + QLatin1Char('/') + nameOf(r));
    }
    void markBroken(const CourseRecording& r, const QString& voice) override
    {
        unplayable.insert(voice + QLatin1Char('/') + nameOf(r));
    }

    QStringList names = {"anna", "bob", "cecil"};
    QSet<QString> unplayable; // "voice/word"; the model voice is ""
};

struct Heard {
    QString item;
    int soundId;
    QString voice;
    bool noisy;
};

class NotedSounds : public ListeningPlayer {
public:
    void play(const ListeningSound& s) override
    {
        if (failAll || failing.contains(s.voice + QLatin1Char('/') + nameOf(s.recording)))
            throw AppError(QStringLiteral("EMedia"), QStringLiteral("cannot play"));
        const int sound = s.recording.kind == CourseRecording::Kind::Vowel
                              ? s.recording.soundId
                              : s.recording.word.mid(1).section(QLatin1Char('w'), 0, 0).toInt();
        heard.push_back({nameOf(s.recording), sound, s.voice, s.noisy});
        if (onPlay)
            onPlay();
    }
    std::vector<Heard> heard;
    QSet<QString> failing;
    bool failAll = false; // the sound output is gone
    std::function<void()> onPlay;
};

class Screen : public ListeningView {
public:
    void showTrial(int trialNo, int total, const std::array<int, 3>& options, bool) override
    {
        trials << QStringLiteral("%1/%2").arg(trialNo).arg(total);
        shown = options;
    }
    void showVerdict(const ListeningVerdict& v) override { verdicts.push_back(v); }
    void showSummary(const ListeningSummary& s) override { summaries.push_back(s); }
    void showNotice(const QString& text) override { notices << text; }

    QStringList trials;
    std::array<int, 3> shown{};
    std::vector<ListeningVerdict> verdicts;
    std::vector<ListeningSummary> summaries;
    QStringList notices;
};

class Answers : public ListeningAnswerSink {
public:
    void recordAnswer(const ListeningAnswer& a) override { all.push_back(a); }
    std::vector<ListeningAnswer> all;
};

class ListeningDrill : public ::testing::Test {
protected:
    ListeningDrill()
    {
        random.seed(1234u);
        drill.setAnswerSink(&answers);
        sounds.onPlay = [this] { time.elapsedMs += 700; };
    }

    // Plays a whole round; `choice` picks the sound id to answer with, given
    // the sound heard.
    void playRound(int lesson, const std::function<int(int heard)>& choice)
    {
        drill.startRound(lesson);
        while (drill.phase() == ListeningController::Phase::Listening) {
            time.elapsedMs += 1500; // the learner thinks
            const int want = choice(sounds.heard.back().soundId);
            const auto& o = drill.options();
            drill.choose(int(std::find(o.begin(), o.end(), want) - o.begin()));
            drill.next();
        }
    }

    ContentTables tables = smallTable();
    FakeVoices voices;
    NotedSounds sounds;
    RandomSource random;
    RunLog log;
    PaperTime time{log};
    Screen screen;
    Answers answers;
    ListeningController drill{tables, voices, sounds, random, time, screen};
};

} // namespace

TEST_F(ListeningDrill, RoundOfTwentyJudgedAtOnceEveryAnswerReportedNoWordTwiceInARow)
{
    drill.setNoise(5);
    playRound(1, [](int heard) { return heard; });

    ASSERT_EQ(sounds.heard.size(), 20u);
    EXPECT_EQ(screen.trials.front(), "1/20");
    EXPECT_EQ(screen.trials.back(), "20/20");
    EXPECT_EQ(screen.shown, (std::array<int, 3>{1, 3, 2}));
    ASSERT_EQ(screen.summaries.size(), 1u);
    EXPECT_EQ(screen.summaries[0].right, 20);
    EXPECT_TRUE(screen.summaries[0].noisyNext);
    ASSERT_EQ(answers.all.size(), 20u);
    QSet<QString> voicesHeard;
    QSet<int> soundsHeard;
    for (size_t i = 0; i < 20; ++i) {
        const Heard& h = sounds.heard[i];
        const ListeningAnswer& a = answers.all[i];
        EXPECT_EQ(a.lesson, 1);
        EXPECT_EQ(a.offered, (std::array<int, 3>{1, 3, 2}));
        EXPECT_EQ(a.soundId, h.soundId);
        EXPECT_EQ(a.voice, h.voice);
        EXPECT_EQ(a.word, h.item.startsWith("vowel") ? QString() : h.item);
        EXPECT_TRUE(a.right);
        EXPECT_EQ(a.trialNo, int(i) + 1);
        EXPECT_EQ(a.responseMs, 1500); // from the sound's end, on the paper clock
        EXPECT_TRUE(screen.verdicts[i].right);
        if (i > 0) {
            EXPECT_NE(h.item, sounds.heard[i - 1].item) << i;
            EXPECT_NE(h.voice, sounds.heard[i - 1].voice) << i;
        }
        // Noise once nine of the last ten were right: from the eleventh on.
        EXPECT_EQ(h.noisy, i >= 10) << i;
        EXPECT_EQ(a.noisy, h.noisy);
        voicesHeard.insert(h.voice);
        soundsHeard.insert(h.soundId);
    }
    EXPECT_EQ(voicesHeard, QSet<QString>({"anna", "bob", "cecil"}));
    EXPECT_EQ(soundsHeard, QSet<int>({1, 2, 3}));
    // Answers after the verdict count nothing; the next round starts noisy.
    drill.choose(0);
    EXPECT_EQ(answers.all.size(), 20u);
    drill.startRound(1);
    EXPECT_TRUE(sounds.heard.back().noisy);
}

TEST_F(ListeningDrill, MissedWordComesBackInAnotherVoiceAndItsPairMoreOften)
{
    // The learner always takes sound 3 for sound 1.
    const auto missThree = [](int heard) { return heard == 3 ? 1 : heard; };
    playRound(1, missThree);
    for (size_t i = 0; i < answers.all.size(); ++i) {
        if (answers.all[i].right || i + 3 >= answers.all.size())
            continue;
        // Within the next three trials, in a voice other than the one missed in.
        bool back = false;
        for (size_t j = i + 1; j <= i + 3; ++j)
            back |= sounds.heard[j].item == sounds.heard[i].item && sounds.heard[j].voice != sounds.heard[i].voice;
        EXPECT_TRUE(back) << sounds.heard[i].item.toStdString() << " missed at trial " << i + 1;
    }
    EXPECT_FALSE(screen.summaries.back().confusions.empty());
    EXPECT_EQ(screen.summaries.back().confusions[0].heard, 3);
    EXPECT_EQ(screen.summaries.back().confusions[0].chosen, 1);

    // Apart from the words coming back, the missed sound itself is drawn
    // more often: three misses make it most of the fresh draws.
    ListeningDeck deck(collectListeningItems(tables, {1, 3, 2}, voices), {1, 3, 2});
    const auto shareOfThree = [&] {
        int three = 0;
        for (int k = 0; k < 600; ++k)
            three += deck.item(deck.draw(random, 1).item).soundId == 3 ? 1 : 0;
        return three / 600.0;
    };
    EXPECT_NEAR(shareOfThree(), 1.0 / 3.0, 0.06);
    for (int k = 0; k < 3; ++k) {
        int item = -1;
        while (item < 0 || deck.item(item).soundId != 3)
            item = deck.draw(random, 1).item;
        deck.judge(item, 1, 100); // missed; it comes back only from trial 103 on
    }
    EXPECT_GT(shareOfThree(), 0.45);
}

TEST_F(ListeningDrill, BrokenRecordingsAreNeverHeardAndWithoutVoicesTheModelIsUsedAndSaidOnce)
{
    // Every recording of anna's is broken but one; bob's s1w1 fails only when played.
    for (int s : {1, 2, 3}) {
        for (int k = 1; k <= 4; ++k)
            if (!(s == 1 && k == 2))
                voices.unplayable.insert(QStringLiteral("anna/s%1w%2").arg(s).arg(k));
        voices.unplayable.insert(QStringLiteral("anna/vowel%1").arg(s));
    }
    sounds.failing.insert("bob/s1w1");
    for (int round = 0; round < 5; ++round)
        playRound(1, [](int heard) { return heard; });
    EXPECT_EQ(answers.all.size(), 100u);
    for (const Heard& h : sounds.heard) {
        EXPECT_TRUE(h.voice != "anna" || h.item == "s1w2") << h.item.toStdString();
        EXPECT_FALSE(h.voice == "bob" && h.item == "s1w1");
    }
    EXPECT_TRUE(screen.notices.isEmpty());

    // Nothing plays at all: the error is shown, the round waits on the same
    // trial, and goes on once sound is back.
    drill.startRound(1);
    drill.choose(0);
    sounds.failAll = true;
    EXPECT_THROW(drill.next(), AppError);
    EXPECT_EQ(drill.trialNo(), 1);
    EXPECT_EQ(drill.phase(), ListeningController::Phase::Judged);
    sounds.failAll = false;
    drill.next();
    EXPECT_EQ(drill.trialNo(), 2);
    EXPECT_EQ(drill.phase(), ListeningController::Phase::Listening);

    voices.names.clear();
    sounds.heard.clear();
    playRound(1, [](int heard) { return heard; });
    playRound(1, [](int heard) { return heard; });
    EXPECT_EQ(screen.notices.size(), 1);
    EXPECT_TRUE(screen.notices[0].contains("mintahangot"));
    ASSERT_EQ(sounds.heard.size(), 40u);
    for (const Heard& h : sounds.heard)
        EXPECT_EQ(h.voice, QString());
}

TEST_F(ListeningDrill, LessonWithoutUsableConfusablesOffersTheNearestAndSaysSo)
{
    tables.SoundTable[5].Confusable1 = 0; // missing
    tables.SoundTable[5].Confusable2 = 5; // the lesson's own sound
    playRound(5, [](int heard) { return heard; });
    // Sounds 3 and 4 are the ones whose confusables name sound 5.
    EXPECT_EQ(screen.shown, (std::array<int, 3>{5, 3, 4}));
    ASSERT_EQ(screen.notices.size(), 1);
    EXPECT_TRUE(screen.notices[0].contains("legközelebbi"));
    EXPECT_EQ(answers.all.size(), 20u);

    // No lesson chosen, or nothing of it to hear: a message, no round.
    EXPECT_THROW(drill.startRound(0), AppError);
    for (int k = 1; k <= 4; ++k)
        for (const QString& v : {QString(), QStringLiteral("anna"), QStringLiteral("bob"), QStringLiteral("cecil")})
            for (int s : {3, 4, 5}) {
                voices.unplayable.insert(v + QStringLiteral("/s%1w%2").arg(s).arg(k));
                voices.unplayable.insert(v + QStringLiteral("/vowel%1").arg(s));
            }
    try {
        drill.startRound(5);
        FAIL() << "a round without a playable recording started";
    } catch (const AppError& e) {
        EXPECT_TRUE(e.message().contains("nincs lejátszható felvétel")) << e.message().toStdString();
    }
}

TEST(ListeningNoise, LiesTheChosenRatioBelowTheVoiceAndStartsBeforeIt)
{
    PcmAudio voice;
    for (int i = 0; i < 11025; ++i)
        voice.samples.push_back(int16_t(6000 * std::sin(i * 0.05)));
    const double level = voicedLevelDbfs(voice);
    const PcmAudio mixed = mixNoise(voice, 5, 7u);
    const size_t pad = 4410; // 200 ms at 22050 Hz
    ASSERT_EQ(mixed.samples.size(), voice.samples.size() + 2 * pad);
    double sum = 0;
    for (size_t i = 0; i < pad; ++i)
        sum += double(mixed.samples[i]) * mixed.samples[i];
    const double noiseLevel = 20 * std::log10(std::sqrt(sum / double(pad)) / 32768.0);
    EXPECT_NEAR(level - noiseLevel, 5.0, 1.0);
    // The same seed, the same noise; the file round-trips.
    EXPECT_EQ(mixNoise(voice, 5, 7u).samples, mixed.samples);
    const WavReading back = readWavBytes(wavBytes(mixed));
    EXPECT_TRUE(back.check.playable());
    EXPECT_EQ(back.audio, mixed);
}
