// Slow replay and record-and-compare as a learner reaches them: Shift or Ctrl
// with a click, and L or F on the focused control. What each play asked of
// the player, the order of the model and the take, the early stop, the
// missing microphone, what screen readers are told, and that nothing is
// written. Takes come from a test signal, never from a microphone.
#include "access/keyboard_fixture.h"
#include "support/scoped_env.h"

#include "content/compare_controller.h"
#include "media/gst_voice_recorder.h"

#include <QAccessible>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <optional>

using namespace ejteto;
using namespace ejteto::testing;

namespace {

// One 0.45 s beep, then quiet: a learner saying one word.
const QByteArray kOneWord = "audiotestsrc wave=ticks sine-periods-per-tick=200 tick-interval=10000000000";
// A learner who never falls quiet: only the longest take (3 s) or a second
// press ends the take.
const QByteArray kEndlessVoice = "audiotestsrc wave=sine volume=0.5";
const QString kTitle = QStringLiteral("Ejteto!");
const QString kCue = QStringLiteral("Ejteto! — felvétel…");

// Every entry under `folder`: path, size, time and, for a file, its digest.
QStringList snapshot(const QString& folder)
{
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        QByteArray digest;
        QFile file(entry.filePath());
        if (entry.isFile() && file.open(QIODevice::ReadOnly))
            digest = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Md5).toHex();
        entries << QStringLiteral("%1 %2 %3 %4")
                       .arg(entry.filePath())
                       .arg(entry.size())
                       .arg(entry.lastModified().toMSecsSinceEpoch())
                       .arg(QString::fromLatin1(digest));
    }
    entries.sort();
    return entries;
}

// The program's own recorder on the test signal; each take it would play
// goes into the media log as "take", its length into `takeMs`.
class NotedTakes : public VoiceRecorder {
public:
    NotedTakes(std::shared_ptr<MediaLog> log, std::shared_ptr<QList<qint64>> takeMs)
        : log_(std::move(log)), takeMs_(std::move(takeMs))
    {
    }
    bool start() override { return real_->start(); }
    VoiceTake finish(EventPump& pump, const std::function<bool()>& stopAsked) override
    {
        return real_->finish(pump, stopAsked);
    }
    void playTake(const VoiceTake& take) override
    {
        log_->played << QStringLiteral("take");
        log_->rates << 1.0;
        *takeMs_ << take.durationMs();
    }

private:
    std::unique_ptr<VoiceRecorder> real_ = makeGstVoiceRecorder();
    std::shared_ptr<MediaLog> log_;
    std::shared_ptr<QList<qint64>> takeMs_;
};

class VoiceWindowTest : public KeyboardTest {
protected:
    // The learner's voice, for the window started next.
    void speak(const QByteArray& source)
    {
        voice_.emplace("EJTETO_AUDIO_SOURCE", source);
        services.recorders = [log = media, takes = takeMs] { return std::make_unique<NotedTakes>(log, takes); };
    }
    // Every play since the last call: "phones/5.wav 0.6", "take 1".
    QStringList plays()
    {
        QStringList out;
        for (qsizetype i = 0; i < media->played.size(); ++i) {
            const QString& path = media->played[i];
            out << (path.contains(u'/') ? path.section(u'/', -2) : path) + u' ' + QString::number(media->rates[i]);
        }
        media->played.clear();
        media->rates.clear();
        return out;
    }
    static void click(QWidget* w, Qt::KeyboardModifiers held = {}) { QTest::mouseClick(w, Qt::LeftButton, held); }
    static QString word(const QString& w) { return QStringLiteral("words/") + w + QStringLiteral(".wav"); }

    std::shared_ptr<QList<qint64>> takeMs = std::make_shared<QList<qint64>>();

private:
    std::optional<ScopedEnv> voice_;
};

TEST_F(VoiceWindowTest, ShiftClickAndLPlayEachControlsRecordingSlowly)
{
    FormView& f = startForKeys();
    WordList* list = f.ListBox_Szomutato;
    const auto shift = [](QWidget* w) { click(w, Qt::ShiftModifier); };
    const struct {
        const char* way;
        std::function<QString()> act; // returns the recording to be heard
    } cases[] = {
        {"tile, Shift+click: chosen, then heard",
         [&] {
             shift(f.Image_Mosaic[5]);
             return QStringLiteral("phones/5.wav");
         }},
        {"tile, L",
         [&] {
             tabTo(f.Image_Mosaic[5]);
             key(Qt::Key_Right);
             key(Qt::Key_L);
             return QStringLiteral("phones/6.wav");
         }},
        {"vowel speaker",
         [&] {
             click(f.Button_Inditas_Gyakorlat);
             shift(f.Image_Sound);
             return QStringLiteral("phones/6.wav");
         }},
        {"answer speaker",
         [&] {
             shift(f.SpeakerImages[2]);
             return word(f.AnswerLabels[2]->text());
         }},
        {"answer, L",
         [&] {
             key(Qt::Key_2);
             key(Qt::Key_L);
             return word(f.AnswerLabels[1]->text());
         }},
        {"result word",
         [&] {
             while (f.QuestionNo <= 10) {
                 for (int i = 0; i < 4; ++i)
                     if (f.AnswerLabels[i]->text() == f.CorrectWord)
                         key(Qt::Key_1 + i);
                 key(Qt::Key_Return);
             }
             shift(f.ResultLabels[4][1]);
             return word(f.ResultLabels[4][1]->text());
         }},
        {"word index speaker",
         [&] {
             key(Qt::Key_Escape);
             click(f.Button_Szomutato);
             QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->rowRect(1).center());
             shift(f.Image_Szomutato_Hanglejatszas);
             return word(list->rowText(1));
         }},
        {"word list, Shift+double click: selected, then heard",
         [&] {
             const QPoint row = list->viewport()->mapTo(&f.form, list->rowRect(2).center());
             QTest::mouseDClick(f.form.windowHandle(), Qt::LeftButton, Qt::ShiftModifier, row);
             EXPECT_EQ(list->selectedRow(), 2);
             return word(list->rowText(2));
         }},
        {"word list, L",
         [&] {
             key(Qt::Key_Down);
             key(Qt::Key_L);
             return word(list->rowText(3));
         }},
        {"card, Shift+click: turned, then heard",
         [&] {
             key(Qt::Key_Escape);
             click(f.Button_Jatek);
             shift(f.GameButtons[0]);
             EXPECT_EQ(f.PressCount, 1);
             return word(f.GameWords[0]);
         }},
        {"turned card, Shift+click again: heard, not counted",
         [&] {
             shift(f.GameButtons[0]);
             EXPECT_EQ(f.PressCount, 1);
             EXPECT_EQ(f.StepCount, 0);
             return word(f.GameWords[0]);
         }},
        {"card, L",
         [&] {
             tabTo(f.GameButtons[1]);
             key(Qt::Key_L);
             EXPECT_EQ(f.StepCount, 1) << "the second card of the attempt";
             return word(f.GameWords[1]);
         }},
        {"elsewhere, L: the lesson's vowel",
         [&] {
             key(Qt::Key_Escape);
             key(Qt::Key_L);
             return QStringLiteral("phones/6.wav");
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.way);
        const QString expected = c.act();
        EXPECT_EQ(plays(), QStringList{expected + QStringLiteral(" 0.6")});
    }
    EXPECT_EQ(f.CurrentLesson, 6);
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}

TEST_F(VoiceWindowTest, CtrlClickAndFRecordThenPlayTheModelAndTheTakeAndPressNothing)
{
    speak(kOneWord);
    FormView& f = startForKeys();
    const QImage tile = f.Image_Mosaic[7]->picture();
    click(f.Image_Mosaic[7], Qt::ControlModifier);
    EXPECT_EQ(plays(), (QStringList{"phones/7.wav 1", "take 1"}));
    EXPECT_EQ(f.CurrentLesson, 0) << "the tile is not chosen";
    EXPECT_EQ(f.Image_Mosaic[7]->picture(), tile);

    click(f.Button_Jatek);
    click(f.GameButtons[3], Qt::ControlModifier);
    EXPECT_EQ(plays(), QStringList()) << "a face-down card keeps its word";
    EXPECT_EQ(f.PressCount, 0);
    click(f.GameButtons[3]);
    plays();
    tabTo(f.GameButtons[3]);
    key(Qt::Key_F);
    EXPECT_EQ(plays(), (QStringList{word(f.GameWords[3]) + QStringLiteral(" 1"), "take 1"}));
    EXPECT_EQ(f.PressCount, 1) << "the turned card still waits for its partner";
    EXPECT_EQ(f.GameButtons[3]->text(), f.GameWords[3]);
    ASSERT_EQ(takeMs->size(), 2);
    EXPECT_GT(takeMs->at(0), 0) << "the beep was recorded";
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}

TEST_F(VoiceWindowTest, ASecondFOrCtrlClickEndsTheTakeEarly)
{
    speak(kEndlessVoice);
    FormView& f = startForKeys();
    click(f.Image_Mosaic[2]);
    plays();
    // The learner's second press, as soon as the cue says the take is on.
    std::function<void()> secondPress;
    time.onPump = [&](int) {
        if (secondPress && f.form.windowTitle() == kCue)
            std::exchange(secondPress, {})();
    };
    secondPress = [&] { click(f.Image_Mosaic[2], Qt::ControlModifier); };
    key(Qt::Key_F);
    secondPress = [&] { key(Qt::Key_F); };
    click(f.Image_Mosaic[2], Qt::ControlModifier);

    EXPECT_EQ(plays(), (QStringList{"phones/2.wav 1", "take 1", "phones/2.wav 1", "take 1"}));
    ASSERT_EQ(takeMs->size(), 2);
    EXPECT_LT(takeMs->at(0), 1000) << "ended by Ctrl+click";
    EXPECT_LT(takeMs->at(1), 1000) << "ended by F";
    EXPECT_EQ(f.form.windowTitle(), kTitle);
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
}

TEST_F(VoiceWindowTest, WithoutAMicrophoneCtrlClickAndFSaySoOnce)
{
    const ScopedEnv microphone("EJTETO_AUDIO_SOURCE", "alsasrc device=ejteto-no-such-device");
    FormView& f = startForKeys();
    click(f.Image_Mosaic[1], Qt::ControlModifier);
    click(f.Image_Mosaic[1]);
    key(Qt::Key_F);
    EXPECT_EQ(errors, QStringList({CompareController::noMicrophoneText()}));
    EXPECT_EQ(plays(), QStringList{"phones/1.wav 1"}) << "only the plain click's vowel";
    EXPECT_EQ(f.form.windowTitle(), kTitle);
}

TEST_F(VoiceWindowTest, ScreenReadersAreToldTheExtraWaysOnceOnTheWindow)
{
    FormView& f = startForKeys();
    const auto description = [](QObject* o) {
        return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Description);
    };
    // Each way is said once, when the window opens, not again on every
    // tile, card and speaker.
    const QString window = description(&f.form);
    for (const QString& way :
         {QStringLiteral("(a leckét nem választja ki)"), QStringLiteral("(a kártyát nem fordítja meg)"),
          QStringLiteral("Shift+dupla kattintás vagy L"),
          QStringLiteral("Shift+kattintás vagy L: lassított lejátszás; Ctrl+kattintás vagy F")})
        EXPECT_EQ(window.count(way), 1) << way.toStdString();
    EXPECT_EQ(description(f.Image_Mosaic[1]), QStringLiteral("IPA: iː")) << "a tile says only its vowel's IPA";
    EXPECT_TRUE(description(f.SpeakerImages[0]).isEmpty());
    EXPECT_TRUE(description(f.GameButtons[0]).isEmpty());
}

TEST_F(VoiceWindowTest, BothWaysSoundInRealTimeShowTheCueAndWriteNothing)
{
    services.engines = {}; // GStreamer, to a silent output in real time
    speak(kOneWord);
    services.recorders = {}; // and the program's recorder plays its take
    const QTemporaryDir config;
    const ScopedEnv settings("XDG_CONFIG_HOME", config.path().toUtf8());
    TinyInstallOptions options;
    options.recordingMs = 600;
    auto i = std::make_unique<TinyInstall>(options);
    i->writeText(QStringLiteral("et.ini"), "[User]\r\nLevel=1\r\n");
    FormView& f = startOn(std::move(i));
    const QStringList before = snapshot(install->dir()) + snapshot(config.path());
    QSignalSpy played(f.MediaPlayer1, &MediaPlayer::playFinished);

    QElapsedTimer clock;
    clock.start();
    click(f.Image_Mosaic[3], Qt::ShiftModifier);
    EXPECT_GE(clock.elapsed(), 800) << "the 0.6 s recording at 0.6 times its speed";
    // The title, as screen readers read the window's name (offscreen Qt
    // passes no accessibility events on, so the name they are told to read
    // again is what can be checked).
    const auto title = [&] { return QAccessible::queryAccessibleInterface(&f.form)->text(QAccessible::Name); };
    QStringList titles;
    time.onPump = [&](int) { titles << title(); };
    click(f.Image_Mosaic[3], Qt::ControlModifier);

    ASSERT_FALSE(titles.isEmpty());
    EXPECT_EQ(titles.count(kCue), titles.size()) << "the cue is on all through the take";
    EXPECT_EQ(title(), kTitle);
    ASSERT_EQ(played.count(), 2);
    EXPECT_TRUE(played.at(1).at(0).toString().endsWith(QStringLiteral("/phones/3.wav"))) << "the model after the take";
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(snapshot(install->dir()) + snapshot(config.path()), before);
}

} // namespace
