// The "Kiejtés" window as a learner meets it: opened by Ctrl+K, shown after
// each take with the verdict that screen readers read, a take without a
// vowel said so without a point on the chart, Esc closing it, and the main
// window's pixels and the installation's files untouched. Takes are vowels
// synthesised in the test, never a microphone.
#include "access/keyboard_fixture.h"
#include "support/scoped_env.h"
#include "support/synthetic_vowel.h"

#include "history/history_reader.h"
#include "history/history_recorder.h"
#include "phonetics/course_vowels.h"
#include "ui/kiejtes.h"
#include "ui/kiejtes_window.h"
#include "ui/vowel_chart.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDirIterator>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtEndian>

using namespace ejteto;
using namespace ejteto::testing;

namespace {

// Gives every take the samples the test put in `next`, or none at all when
// there is no microphone.
class SyntheticRecorder : public VoiceRecorder {
public:
    SyntheticRecorder(std::shared_ptr<std::vector<qint16>> next, std::shared_ptr<MediaLog> log, bool microphone)
        : next_(std::move(next)), log_(std::move(log)), microphone_(microphone)
    {
    }
    bool start() override { return microphone_; }
    VoiceTake finish(EventPump&, const std::function<bool()>&) override { return {22050, 1, *next_}; }
    void playTake(const VoiceTake&) override
    {
        log_->played << QStringLiteral("take");
        log_->rates << 1.0;
    }

private:
    std::shared_ptr<std::vector<qint16>> next_;
    std::shared_ptr<MediaLog> log_;
    bool microphone_;
};

// Men's vowels of the course, as the builder would have measured them;
// the ones the tests do not use lie out of the way.
QByteArray courseVowels()
{
    phonetics::CourseVowels c;
    for (int n = 1; n <= kSoundCount; ++n) {
        const double f1 = n == 4 ? 780 : n == 5 ? 640 : n == 6 ? 300 : 250 + 10 * n;
        const double f2 = n == 4 ? 1650 : n == 5 ? 1250 : n == 6 ? 2250 : 3000;
        c.sound[size_t(n)].onset = c.sound[size_t(n)].mid = c.sound[size_t(n)].offset = {f1, f2, 2450};
    }
    return phonetics::formatCourseVowels(c);
}

QStringList files(const QString& folder)
{
    QStringList out;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo f(it.next());
        out << f.filePath() + QStringLiteral(" %1 %2").arg(f.size()).arg(f.lastModified().toMSecsSinceEpoch());
    }
    out.sort();
    return out;
}

// `samples` as a 16-bit mono WAV file at 22050 Hz.
void writeWav(const QString& path, const std::vector<qint16>& samples)
{
    const auto le32 = [](quint32 v) { return QByteArray(reinterpret_cast<const char*>(&(v = qToLittleEndian(v))), 4); };
    const auto le16 = [](quint16 v) { return QByteArray(reinterpret_cast<const char*>(&(v = qToLittleEndian(v))), 2); };
    const auto data = quint32(samples.size() * 2);
    QByteArray wav = "RIFF" + le32(36 + data) + "WAVEfmt " + le32(16) + le16(1) + le16(1) + le32(22050) + le32(44100) +
                     le16(2) + le16(16) + "data" + le32(data);
    for (const qint16 s : samples)
        wav += le16(quint16(s));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(wav);
}

QString accessibleName(QWidget* w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name); }

class KiejtesTest : public KeyboardTest {
protected:
    // `realMicrophone`: the program's own recorder, on EJTETO_AUDIO_SOURCE.
    FormView& startWithChart(bool microphone = true, bool measuredCourse = true, bool realMicrophone = false)
    {
        if (!realMicrophone)
            services.recorders = [next = next, log = media, microphone] {
                return std::make_unique<SyntheticRecorder>(next, log, microphone);
            };
        auto tiny = std::make_unique<TinyInstall>(shortRecordings());
        if (measuredCourse) {
            QFile f(tiny->file(QStringLiteral("media/phones/formants.csv")));
            EXPECT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(courseVowels());
        }
        FormView& f = startOn(std::move(tiny));
        tool = installKiejtes(f.form.tools(),
                              [this](const phonetics::JudgedTake& t) {
                                  judged.push_back(t);
                                  if (alsoJudged)
                                      alsoJudged(t);
                              },
                              {keptScale, [this] { ++newSpeakers; }});
        window = static_cast<KiejtesWindow*>(tool.get());
        f.form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&f.form));
        return f;
    }

    std::shared_ptr<std::vector<qint16>> next = std::make_shared<std::vector<qint16>>();
    std::unique_ptr<ToolWindow> tool;
    KiejtesWindow* window = nullptr;
    std::vector<phonetics::JudgedTake> judged; // what the learner's history would keep
    JudgedTakeSink alsoJudged;
    phonetics::SpeakerScale keptScale; // as the history would restore it
    int newSpeakers = 0;               // starts over the history was told of
};

} // namespace

TEST_F(KiejtesTest, EachTakeShowsTheVerdictAboveTheChartAndLeavesTheMainWindowAsItWas)
{
    FormView& f = startWithChart();
    const QImage before = grab();
    const QStringList filesBefore = files(install->dir());

    // A child says the /æ/ of tile 4: the window opens itself with the verdict.
    *next = synthesize(monophthong(780, 1650, 2450, 1.3, 260));
    QTest::mouseClick(f.Image_Mosaic[4], Qt::LeftButton, Qt::ControlModifier);
    ASSERT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Kiejtés");
    EXPECT_TRUE(window->verdictLabel()->text().startsWith(u"Ezt hallottam: /æ/. Ez a lecke hangja!"))
        << window->verdictLabel()->text().toStdString();
    EXPECT_EQ(accessibleName(window->verdictLabel()), window->verdictLabel()->text());
    EXPECT_TRUE(window->verdictLabel()->accessibleDescription().startsWith(u"A kiejtésed: F1 "));
    ASSERT_EQ(window->coach().measuredTakes().size(), 1u);
    EXPECT_NEAR(window->coach().scale(), 1.3, 0.07) << "the course is carried to the child's voice";
    EXPECT_EQ(media->played.size(), 2) << "the model and the take play as before";
    EXPECT_EQ(media->played.last(), "take");
    EXPECT_EQ(QApplication::activeWindow(), &f.form) << "the learner's keys stay in the main window";

    // The same child says a confusable of it (the tiny course's sound 5 lies
    // where /ʌ/ does): named, with the way to move.
    *next = synthesize(monophthong(640, 1250, 2450, 1.3, 260));
    QTest::mouseClick(f.Image_Mosaic[4], Qt::LeftButton, Qt::ControlModifier);
    EXPECT_TRUE(window->verdictLabel()->text().startsWith(u"Ezt hallottam: /uː/, nem /æ/. Ejtsd: nyíltabban"))
        << window->verdictLabel()->text().toStdString();

    // Silence holds no vowel: said so, and the chart shows no point for it.
    const auto measured = window->coach().measuredTakes().size();
    *next = std::vector<qint16>(22050, 0);
    QTest::mouseClick(f.Image_Mosaic[4], Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(window->verdictLabel()->text(), "Nem hallottam magánhangzót.");
    EXPECT_EQ(accessibleName(window->verdictLabel()), "Nem hallottam magánhangzót.");
    EXPECT_EQ(window->coach().measuredTakes().size(), measured);

    // Each judged take goes to the history with its verdict and formants;
    // the take without a vowel with none.
    ASSERT_EQ(judged.size(), 3u);
    EXPECT_EQ(judged[0].target.sound, 4);
    EXPECT_EQ(judged[0].nearest(), 4);
    EXPECT_EQ(judged[1].nearest(), 5) << "the vowel heard, not the sentence shown";
    EXPECT_NEAR(judged[1].analysis.vowel.mid.f1, 640 * 1.3, 83) << "the child's F1, within 10 %";
    EXPECT_FALSE(judged[2].measured());
    // As the history keeps them.
    const TakeReport kept = takeReport(judged[1], QDateTime::currentDateTimeUtc());
    EXPECT_EQ(kept.targetSound, 4);
    EXPECT_EQ(kept.nearestSound, 5);
    EXPECT_EQ(kept.verdict, "wrong");
    EXPECT_TRUE(kept.movesMid.contains(u"open")) << kept.movesMid.toStdString();
    EXPECT_GT(kept.onset.f1, 0);
    EXPECT_EQ(takeReport(judged[2], {}).verdict, "no_voice");
    EXPECT_EQ(takeReport(judged[2], {}).mid.f1, 0);

    EXPECT_EQ(grab(), before) << "no pixel of the main window moves";
    EXPECT_EQ(files(install->dir()), filesBefore) << "nothing is written";
}

TEST_F(KiejtesTest, CtrlKOpensTheWindowAndEscClosesItOnTheBarkOrHzScale)
{
    FormView& f = startWithChart();
    key(Qt::Key_K, Qt::ControlModifier);
    ASSERT_TRUE(window->isVisible());
    EXPECT_EQ(window->verdictLabel()->text(), KiejtesWindow::firstText());
    EXPECT_EQ(window->coach().measuredTakes().size(), 0u);

    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    EXPECT_EQ(focus(), window->verdictLabel()) << "a screen reader starts at the verdict";
    // Bark or Hz by the keyboard: the same vowel lies elsewhere on the chart.
    const QPointF onBark = window->chart()->place(780, 1650);
    tabTo(window->barkBox());
    key(Qt::Key_Space);
    EXPECT_FALSE(window->chart()->bark());
    EXPECT_NE(window->chart()->place(780, 1650), onBark);
    const QImage chart = window->chart()->grab().toImage();
    EXPECT_FALSE(chart.isNull());

    key(Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(f.form.isVisible());
}

TEST_F(KiejtesTest, WithoutAMicrophoneOrTheCoursesMeasurementsNothingIsJudged)
{
    FormView& f = startWithChart(false);
    *next = synthesize(monophthong(780, 1650, 2450, 1.0, 120));
    QTest::mouseClick(f.Image_Mosaic[4], Qt::LeftButton, Qt::ControlModifier);
    EXPECT_FALSE(window->isVisible()) << "without a microphone nothing changes";
    EXPECT_FALSE(window->coach().lastTake());
    tool.reset();
    form.reset();

    FormView& g = startWithChart(true, false);
    QTest::mouseClick(g.Image_Mosaic[4], Qt::LeftButton, Qt::ControlModifier);
    ASSERT_TRUE(window->isVisible());
    EXPECT_EQ(window->verdictLabel()->text(), KiejtesWindow::missingCourseText());
    EXPECT_FALSE(window->coach().lastTake()->verdict);
}

TEST_F(KiejtesTest, ATakeFromTheMicrophoneReachesTheHistoryWithTheVowelHeard)
{
    // The learner says the /æ/ of tile 4, then falls quiet: a WAV file played
    // as the microphone, through the program's own recorder.
    QTemporaryDir dir;
    std::vector<qint16> voice = synthesize(monophthong(780, 1650, 2450, 1.0, 120));
    voice.resize(voice.size() + 22050);
    const QString wav = dir.filePath(QStringLiteral("ae.wav"));
    writeWav(wav, voice);
    const ScopedEnv microphone("EJTETO_AUDIO_SOURCE", "filesrc location=" + wav.toUtf8() + " ! wavparse");
    // Set, the history stays there to be looked at with sqlite3.
    const QString path = qEnvironmentVariable("EJTETO_TEST_TAKE_HISTORY", dir.filePath(QStringLiteral("h.sqlite")));
    {
        HistoryRecorder history(path, nullptr, {});
        alsoJudged = [&history](const phonetics::JudgedTake& t) {
            history.recordTake(takeReport(t, QDateTime::currentDateTimeUtc()));
        };
        FormView& f = startWithChart(true, true, true);
        QTest::mouseClick(f.Image_Mosaic[4], Qt::LeftButton, Qt::ControlModifier);
        EXPECT_TRUE(window->verdictLabel()->text().startsWith(u"Ezt hallottam: /æ/."))
            << window->verdictLabel()->text().toStdString();
        ASSERT_TRUE(history.flush(10000));
        alsoJudged = {};
    }
    const std::vector<StoredTake> takes = HistoryReader(path).takes();
    ASSERT_FALSE(takes.empty());
    EXPECT_EQ(takes.back().targetSound, 4);
    EXPECT_EQ(takes.back().nearestSound, 4);
    EXPECT_EQ(takes.back().verdict, "right");
    EXPECT_NEAR(takes.back().mid[0], 780, 80);
}

TEST_F(KiejtesTest, TheLessonsWordsAreSaidOneAfterAnotherByKeysEachWithItsVerdictBesideIt)
{
    FormView& f = startWithChart();
    const QListWidget* list = window->wordList();
    EXPECT_EQ(list->count(), 0) << "no lesson chosen yet";
    QTest::mouseClick(f.Image_Mosaic[4], Qt::LeftButton);
    ASSERT_EQ(list->count(), 12);
    EXPECT_EQ(list->accessibleName(), "A 4. lecke szavai");
    EXPECT_EQ(window->selectedWord(), TinyInstall::word(4, 1));

    key(Qt::Key_K, Qt::ControlModifier);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    key(Qt::Key_N);
    EXPECT_EQ(window->selectedWord(), TinyInstall::word(4, 2)) << "N: the next word";

    media->played.clear();
    key(Qt::Key_M);
    ASSERT_EQ(media->played.size(), 1) << "M: the model alone";
    EXPECT_TRUE(media->played[0].endsWith(TinyInstall::word(4, 2) + ".wav")) << media->played[0].toStdString();

    // F: the learner says it, and the verdict stands beside the word and is
    // read out as the window's verdict.
    *next = synthesize(monophthong(780, 1650, 2450, 1.0, 120));
    key(Qt::Key_F);
    ASSERT_EQ(judged.size(), 1u);
    EXPECT_EQ(judged[0].target.word, TinyInstall::word(4, 2));
    EXPECT_EQ(judged[0].target.sound, 4);
    EXPECT_EQ(list->item(1)->text(), TinyInstall::word(4, 2) + " – jó");
    EXPECT_EQ(list->item(0)->text(), TinyInstall::word(4, 1)) << "not said yet";
    EXPECT_TRUE(accessibleName(window->verdictLabel()).startsWith(TinyInstall::word(4, 2)))
        << accessibleName(window->verdictLabel()).toStdString();
    EXPECT_EQ(QApplication::activeWindow(), window) << "the keys stay in the list's window";

    // Another lesson in the mosaic: its words; back again, the verdict is still there.
    QTest::mouseClick(f.Image_Mosaic[5], Qt::LeftButton);
    EXPECT_EQ(window->selectedWord(), TinyInstall::word(5, 1));
    QTest::mouseClick(f.Image_Mosaic[4], Qt::LeftButton);
    EXPECT_EQ(list->item(1)->text(), TinyInstall::word(4, 2) + " – jó");
}

TEST_F(KiejtesTest, TheKeptScaleIsWhereTheWindowStartsAndANewSpeakerConfirmedStartsFromOne)
{
    keptScale = phonetics::SpeakerScale::restored(1.3, 20);
    startWithChart();
    EXPECT_DOUBLE_EQ(window->coach().scale(), 1.3);

    window->setConfirmer([](const QString&) { return false; });
    window->newSpeakerButton()->click();
    EXPECT_DOUBLE_EQ(window->coach().scale(), 1.3) << "not confirmed: nothing changes";
    EXPECT_EQ(newSpeakers, 0);

    window->setConfirmer([](const QString& question) { return question == KiejtesWindow::newSpeakerQuestion(); });
    window->newSpeakerButton()->click();
    EXPECT_DOUBLE_EQ(window->coach().scale(), 1.0);
    EXPECT_EQ(window->coach().speakerScale().takeCount(), 0);
    EXPECT_EQ(newSpeakers, 1) << "the history keeps the start over";
    EXPECT_EQ(accessibleName(window->verdictLabel()), KiejtesWindow::newSpeakerText());
}
