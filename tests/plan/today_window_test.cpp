// "Mai gyakorlás" offscreen: opened by Ctrl+M on a fresh history, one whole
// session by keys alone (hearing, choosing and saying), the summary, and
// the schedule the history keeps afterwards.
#include "access/keyboard_fixture.h"
#include "history/history_reader.h"
#include "history/history_recorder.h"
#include "ui/today_tool.h"
#include "ui/today_window.h"

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

using namespace ejteto;
using namespace ejteto::testing;

TEST_F(KeyboardTest, TodaysSessionByKeysLeavesAScheduleOfEveryItemAnswered)
{
    FormView& f = startForKeys();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    HistoryRecorder history(path, nullptr, {});
    history.useCourse(CourseContrasts::from(f.form.content()));
    RandomSource random;
    random.seed(5u);
    std::unique_ptr<TodayTool> tool;
    QStringList said;
    // The take is "recorded" and judged at once: right for the vowel alone.
    const auto say = [&](const CourseRecording& model) {
        said << (model.kind == CourseRecording::Kind::Vowel ? QStringLiteral("vowel") : model.word);
        const bool vowel = model.kind == CourseRecording::Kind::Vowel;
        tool->takeJudged(model.soundId, vowel, vowel ? QStringLiteral("Ez a lecke hangja!") : QStringLiteral("Nem."));
    };
    tool = installTodayPractice(f.form.tools(), history, {InstantMediaEngine::factory(media), &time, &random, say});
    TodayWindow& w = tool->window();

    key(Qt::Key_M, Qt::ControlModifier);
    ASSERT_TRUE(w.isVisible());
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    TodaySession& s = *w.session();
    const int total = int(s.steps().size());
    ASSERT_GE(total, 3);
    bool missedOne = false;
    std::array<int, 3> kinds{};
    for (int n = 1; n <= total; ++n) {
        ASSERT_EQ(s.phase(), TodaySession::Phase::Asking);
        EXPECT_TRUE(w.Label_Mai_Allapot->text().startsWith(QStringLiteral("%1/%2. feladat").arg(n).arg(total)));
        const TodayStep step = s.steps()[size_t(n - 1)];
        ++kinds[size_t(step.kind)];
        if (step.kind == TodayStep::Kind::Saying) {
            EXPECT_FALSE(w.Button_Mai_Valasz[1]->isVisible());
            key(Qt::Key_F);
        } else {
            EXPECT_EQ(focus(), w.Button_Mai_Valasz[0]);
            const int right = step.options[0] == step.rightSound ? 0 : 1;
            const bool miss = !missedOne && step.kind == TodayStep::Kind::Hearing;
            missedOne = missedOne || miss;
            key(Qt::Key_1 + (miss ? 1 - right : right));
        }
        ASSERT_EQ(s.phase(), TodaySession::Phase::Judged) << "step " << n;
        EXPECT_EQ(focus(), w.Button_Mai_Tovabb);
        EXPECT_EQ(w.Button_Mai_Tovabb->accessibleDescription(), w.Label_Mai_Itelet->text());
        key(Qt::Key_Return);
    }
    EXPECT_EQ(s.phase(), TodaySession::Phase::Finished);
    EXPECT_GT(kinds[0], 0);
    EXPECT_GT(kinds[1], 0);
    EXPECT_GT(kinds[2], 0);
    EXPECT_FALSE(said.isEmpty());
    const QString summary = w.Label_Mai_Itelet->text();
    EXPECT_TRUE(summary.startsWith(QStringLiteral("Kész a mai gyakorlás."))) << summary.toStdString();
    EXPECT_TRUE(summary.contains(QStringLiteral("Gyere vissza: "))) << summary.toStdString();
    EXPECT_EQ(focus(), w.Button_Mai_Uj);

    // Every item answered has its row, the missed contrast due soonest.
    ASSERT_TRUE(history.flush(10000));
    const std::vector<ScheduledItem> kept = HistoryReader(path).schedule();
    ASSERT_FALSE(kept.empty());
    const auto soonest =
        std::min_element(kept.begin(), kept.end(), [](const auto& a, const auto& b) { return a.due < b.due; });
    EXPECT_EQ(soonest->item.skill, Skill::Hearing);
    EXPECT_EQ(soonest->state.lapses, 1);

    // N begins the next session on what is due now; Esc ends it early.
    key(Qt::Key_N);
    EXPECT_EQ(s.phase(), TodaySession::Phase::Asking);
    key(Qt::Key_Escape);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(s.phase(), TodaySession::Phase::Finished);
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QStringLiteral(" | ")).toStdString();
}
