// Slow replay and record-and-compare in the main window, with the real sound
// and a test signal for a microphone: the recording cue in the title, the
// missing microphone, and that neither writes a file.
#include "support/main_window_fixture.h"
#include "support/scoped_env.h"

#include "content/compare_controller.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace ejteto;
using namespace ejteto::testing;

namespace {

// One 0.45 s beep, then quiet: a learner saying one word.
const QByteArray kOneWord = "audiotestsrc wave=ticks sine-periods-per-tick=200 tick-interval=10000000000";

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

// The window's event pump, noting the window's title at every pass.
class TitleWatch : public EventPump {
public:
    void processPendingEvents() override
    {
        QCoreApplication::processEvents();
        if (window != nullptr)
            titles << window->windowTitle();
    }
    QWidget* window = nullptr;
    QStringList titles;
};

class VoiceWindowTest : public MainWindowTest {};

TEST_F(VoiceWindowTest, SlowReplayAndRecordAndCompareShowTheCueAndWriteNothing)
{
    TitleWatch watch;
    services.pump = &watch;
    services.engines = {}; // GStreamer, to a silent output in real time
    const ScopedEnv microphone("EJTETO_AUDIO_SOURCE", kOneWord);
    const QTemporaryDir config;
    const ScopedEnv settings("XDG_CONFIG_HOME", config.path().toUtf8());
    TinyInstallOptions options;
    options.recordingMs = 600;
    auto i = std::make_unique<TinyInstall>(options);
    i->writeText(QStringLiteral("et.ini"), "[User]\r\nLevel=1\r\n");
    FormView& f = startOn(std::move(i));
    watch.window = form.get();
    const QStringList before = snapshot(install->dir()) + snapshot(config.path());
    QSignalSpy played(f.MediaPlayer1, &MediaPlayer::playFinished);

    QElapsedTimer clock;
    clock.start();
    form->playSlowly(CourseRecording::ofWord(TinyInstall::word(3, 1)));
    EXPECT_GE(clock.elapsed(), 800) << "the 0.6 s recording at 0.6 times its speed";
    form->recordAndCompare(CourseRecording::ofVowel(3));

    ASSERT_FALSE(watch.titles.isEmpty());
    EXPECT_EQ(watch.titles.count(QStringLiteral("Ejteto! — felvétel…")), watch.titles.size())
        << "the cue is on all through the take";
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Ejteto!"));
    ASSERT_EQ(played.count(), 2);
    EXPECT_TRUE(played.at(0).at(0).toString().endsWith(QStringLiteral("/words/s3w1.wav")));
    EXPECT_TRUE(played.at(1).at(0).toString().endsWith(QStringLiteral("/phones/3.wav"))) << "the model after the take";
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(snapshot(install->dir()) + snapshot(config.path()), before);
}

TEST_F(VoiceWindowTest, WithoutAMicrophoneTheErrorBoxSaysSoOnce)
{
    const ScopedEnv microphone("EJTETO_AUDIO_SOURCE", "alsasrc device=ejteto-no-such-device");
    start();
    form->recordAndCompare(CourseRecording::ofWord(TinyInstall::word(1, 1)));
    form->recordAndCompare(CourseRecording::ofVowel(1));
    EXPECT_EQ(errors, QStringList({CompareController::noMicrophoneText()}));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Ejteto!"));
    EXPECT_TRUE(media->played.isEmpty()) << "no model played without a take";
}

} // namespace
