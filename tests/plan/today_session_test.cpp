// A whole "Mai gyakorlás" session without a window, on paper time: what it
// plays and asks, where each answer goes, the summary, and a session
// closed early that still hands on what was answered.
#include "content/today_session.h"
#include "support/fake_run_world.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace ejteto;
using namespace ejteto::testing;

namespace {

// Sixteen sounds of three words each ("s3w2" is word 2 of sound 3).
ContentTables threeWordTable()
{
    ContentTables t;
    t.WordTable.assign(1, szorekord{});
    for (int s = 1; s <= kSoundCount; ++s) {
        t.SoundTable[size_t(s)] = {s, 3, s % 16 + 1, (s + 1) % 16 + 1, 0};
        for (int k = 1; k <= 3; ++k)
            t.WordTable.push_back({QStringLiteral("s%1w%2").arg(s).arg(k), s, QString()});
    }
    t.WordCount = int32_t(t.WordTable.size()) - 1;
    return t;
}

class AllVoices : public VoiceLibrary {
public:
    QStringList voices() const override { return {QStringLiteral("anna"), QStringLiteral("bob")}; }
    bool playable(const CourseRecording& r, const QString&) override { return r.word != QLatin1String("s1w1"); }
    void markBroken(const CourseRecording&, const QString&) override {}
};

class Sounds : public ListeningPlayer {
public:
    void play(const ListeningSound& s) override { played.push_back(s); }
    std::vector<ListeningSound> played;
};

class Takes : public TakeMaker {
public:
    void sayAndJudge(const CourseRecording& model) override { asked.push_back(model); }
    std::vector<CourseRecording> asked;
};

class Screen : public TodayView {
public:
    void showStep(const TodayStep& s, int no, int total) override
    {
        step = s;
        shown << QStringLiteral("%1/%2").arg(no).arg(total);
    }
    void showVerdict(bool right, const QString& text) override { verdicts.push_back({right, text}); }
    void showSummary(const TodaySummary& s) override { summaries.push_back(s); }

    TodayStep step;
    QStringList shown;
    std::vector<std::pair<bool, QString>> verdicts;
    std::vector<TodaySummary> summaries;
};

class Kept : public ListeningAnswerSink, public RunObserver {
public:
    void recordAnswer(const ListeningAnswer& a) override { heard.push_back(a); }
    void runEnded(const RunReport& r) override { runs.push_back(r); }
    void pairsGameFinished(const PairsGameReport&) override {}
    std::vector<ListeningAnswer> heard;
    std::vector<RunReport> runs;
};

class TodaySessionTest : public ::testing::Test {
protected:
    TodaySessionTest()
    {
        random.seed(77u);
        session.setAnswerSinks(&kept, &kept);
    }

    TodayPlan plan() const
    {
        TodayPlan p;
        p.hearing = {{{Skill::Hearing, 1, 2, {}}, {}, {}, 0, true}};
        p.choosing = {{{Skill::Choosing, 3, 4, {}}, {}, {}, 0, true}, {{Skill::Choosing, 5, 6, {}}, {}, {}, 0, true}};
        p.saying = {{{Skill::Saying, 7, 0, QStringLiteral("s7w2")}, {}, {}, 0, true}};
        p.nextDue = time.now().addDays(3).toUTC();
        return p;
    }

    ContentTables tables = threeWordTable();
    AllVoices voices;
    Sounds sounds;
    Takes takes;
    RandomSource random;
    RunLog log;
    PaperTime time{log};
    Screen screen;
    Kept kept;
    TodaySession session{tables, voices, sounds, takes, random, time, screen};
};

} // namespace

TEST_F(TodaySessionTest, AWholeSessionHearsChoosesAndSaysThenSaysWhenToComeBack)
{
    session.start(plan());
    ASSERT_EQ(session.steps().size(), size_t(kTrialsPerContrast + 3));
    int heardNo = 0;
    while (session.phase() != TodaySession::Phase::Finished) {
        const TodayStep s = screen.step;
        time.elapsedMs += 1500;
        switch (s.kind) {
        case TodayStep::Kind::Hearing: {
            ASSERT_EQ(sounds.played.size(), size_t(++heardNo)) << "each trial plays as it is shown";
            EXPECT_NE(sounds.played.back().recording.word, QStringLiteral("s1w1")) << "never an unplayable word";
            // The first trial is missed, the others right.
            const int want =
                heardNo == 1 ? (s.rightSound == s.options[0] ? 1 : 0) : (s.rightSound == s.options[0] ? 0 : 1);
            session.choose(want);
            break;
        }
        case TodayStep::Kind::Choosing:
            session.choose(s.options[0] == s.rightSound ? 0 : 1);
            break;
        case TodayStep::Kind::Saying:
            session.choose(0);
            ASSERT_EQ(takes.asked.size(), 1u);
            EXPECT_EQ(takes.asked[0].word, QStringLiteral("s7w2"));
            session.takeJudged(3, true, QStringLiteral("another vowel's take")); // not this step's
            EXPECT_EQ(session.phase(), TodaySession::Phase::Asking);
            session.takeJudged(7, false, QStringLiteral("Ezt hallottam: /e/, nem /eɪ/."));
            break;
        }
        ASSERT_EQ(session.phase(), TodaySession::Phase::Judged);
        session.next();
    }

    ASSERT_EQ(kept.heard.size(), size_t(kTrialsPerContrast));
    EXPECT_FALSE(kept.heard[0].right);
    EXPECT_EQ(kept.heard[0].responseMs, 1500);
    EXPECT_EQ(kept.heard[1].offered[2], 0) << "two vowels offered";
    ASSERT_EQ(kept.runs.size(), 2u) << "one run per lesson of the questions";
    EXPECT_EQ(kept.runs[0].lesson, 3);
    EXPECT_EQ(kept.runs[0].rightCount, 1);
    EXPECT_EQ(kept.runs[0].end, RunEnd::Finished);

    ASSERT_EQ(screen.summaries.size(), 1u);
    const TodaySummary& sum = screen.summaries[0];
    EXPECT_TRUE(sum.finished);
    EXPECT_EQ(sum.hearingRight, kTrialsPerContrast - 1);
    EXPECT_EQ(sum.choosingRight, 2);
    EXPECT_EQ(sum.sayingTotal, 1);
    EXPECT_EQ(sum.improved.size(), 2u);
    EXPECT_EQ(sum.missed.size(), 2u) << "the missed contrast and the word";
    EXPECT_LT(sum.comeBack, time.now().addSecs(3600)) << "what was missed comes back soon";
}

TEST_F(TodaySessionTest, ClosingEarlyKeepsEveryAnswerGiven)
{
    TodayPlan p = plan();
    p.hearing.clear();
    session.start(p);
    ASSERT_EQ(screen.step.kind, TodayStep::Kind::Choosing);
    session.choose(0);
    session.next();
    session.choose(1);
    session.close();
    ASSERT_EQ(session.phase(), TodaySession::Phase::Finished);
    ASSERT_EQ(kept.runs.size(), 2u);
    EXPECT_EQ(kept.runs[0].end, RunEnd::Abandoned);
    EXPECT_EQ(kept.runs[0].questions.size() + kept.runs[1].questions.size(), 2u);
    ASSERT_EQ(screen.summaries.size(), 1u);
    EXPECT_FALSE(screen.summaries[0].finished);
    session.close();
    EXPECT_EQ(kept.runs.size(), 2u) << "sent once";
}
