// "Hangfelvétel" offscreen, by keys alone: a voice named (a name that cannot
// be a folder refused), takes recorded from EJTETO_AUDIO_SOURCE through the
// program's own recorder, a sound one kept on disk and counted, a clipped
// one refused with its fault said to screen readers, another day going on
// where this one stopped, the voice exported and imported again through the
// buttons (asking before it replaces itself), and the main window playing
// the chosen voice.
#include "access/keyboard_fixture.h"
#include "support/scoped_env.h"

#include "audio/wav_file.h"
#include "ui/recording_tool.h"
#include "ui/recording_window.h"
#include "ui/spoken_notice.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <cmath>

using namespace ejteto;
using namespace ejteto::testing;

namespace {

// A speaker as the microphone hears them: quiet, `ms` of a voice at
// `level` (a square wave of 180 Hz), then quiet long enough to end the take.
QByteArray spoken(int ms, int level)
{
    const int rate = 22050;
    std::vector<int16_t> s(size_t(rate * 3 / 10), 0);
    for (int i = 0; i < rate * ms / 1000; ++i)
        s.push_back(int16_t((i / (rate / 360)) % 2 == 0 ? level : -level));
    s.resize(s.size() + size_t(rate * 12 / 10), 0);
    return wavBytes(PcmAudio{rate, 1, s});
}

QByteArray microphoneSaying(const QTemporaryDir& dir, const char* name, int ms, int level)
{
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(spoken(ms, level));
    return "filesrc location=" + path.toUtf8() + " ! wavparse";
}

} // namespace

TEST_F(KeyboardTest, AVoiceIsRecordedByKeysKeptOnDiskCarriedInAPackAndHeardInTheMainWindow)
{
    QTemporaryDir home;
    const ScopedEnv data("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toUtf8());
    const ScopedEnv config("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
    const QString anna = home.filePath(QStringLiteral("data/ejteto/voices/anna"));
    FormView& f = startForKeys();
    int voicesChanged = 0;
    RecordingToolServices services{
        InstantMediaEngine::factory(media), {}, {}, QStringLiteral("1.0"), [&voicesChanged] { ++voicesChanged; }};
    std::unique_ptr<RecordingTool> tool = installVoiceRecording(f.form.tools(), services);
    RecordingWindow& w = tool->window();
    const auto said = [&w] {
        QApplication::processEvents(); // screen readers are told once the key is handled
        return w.notice()->lastNotice();
    };

    key(Qt::Key_E, Qt::ControlModifier);
    ASSERT_TRUE(w.isVisible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    ASSERT_EQ(focus(), w.Edit_Felvetel_Nev);
    QTest::keyClicks(focus(), QStringLiteral("../anna"));
    key(Qt::Key_Return);
    EXPECT_TRUE(w.Label_Felvetel_Uzenet->text().contains(QStringLiteral("nem lehet egy mappa neve")));
    EXPECT_EQ(w.session(), nullptr);
    w.Edit_Felvetel_Nev->clear();
    QTest::keyClicks(focus(), QStringLiteral("anna"));
    key(Qt::Key_Return);
    ASSERT_NE(w.session(), nullptr);
    const int count = w.session()->count();
    EXPECT_EQ(count, 16 + 16 * 12) << "the vowels, then every word";
    EXPECT_EQ(w.Label_Felvetel_Hely->text(), QStringLiteral("1 / %1 · hang").arg(count));
    EXPECT_EQ(w.Label_Felvetel_Jel->text(), QStringLiteral("/iː/"));
    EXPECT_EQ(w.Label_Felvetel_Haladas->text(), QStringLiteral("0 szó kész / %1").arg(count));

    // M plays the model; R records a sound vowel, kept and counted.
    key(Qt::Key_M);
    EXPECT_TRUE(media->played.last().endsWith(QStringLiteral("phones/1.wav")));
    {
        const ScopedEnv microphone("EJTETO_AUDIO_SOURCE", microphoneSaying(home, "good.wav", 600, 8000));
        key(Qt::Key_R);
    }
    EXPECT_EQ(w.Label_Felvetel_Uzenet->text(), QStringLiteral("Megvan a hang."));
    EXPECT_TRUE(said().contains(QStringLiteral("Megvan a hang.")));
    EXPECT_EQ(w.Label_Felvetel_Hely->text(), QStringLiteral("2 / %1 · hang").arg(count));
    EXPECT_EQ(w.Label_Felvetel_Haladas->text(), QStringLiteral("1 szó kész / %1").arg(count));
    const WavReading kept = readWavFile(anna + QStringLiteral("/phones/1.wav"));
    ASSERT_TRUE(kept.check.playable());
    EXPECT_LT(kept.audio.durationMs(), 750) << "trimmed of the quiet around the voice";
    EXPECT_TRUE(QFile::exists(anna + QStringLiteral("/manifest.txt")));

    // A clipped take is refused, said, and nothing moves.
    {
        const ScopedEnv microphone("EJTETO_AUDIO_SOURCE", microphoneSaying(home, "loud.wav", 600, 32767));
        key(Qt::Key_Space);
    }
    EXPECT_TRUE(w.Label_Felvetel_Uzenet->text().startsWith(QStringLiteral("Túlvezérelt")))
        << w.Label_Felvetel_Uzenet->text().toStdString();
    EXPECT_TRUE(said().contains(QStringLiteral("Felveszed újra?")));
    EXPECT_EQ(w.Label_Felvetel_Hely->text(), QStringLiteral("2 / %1 · hang").arg(count));
    EXPECT_EQ(w.Label_Felvetel_Haladas->text(), QStringLiteral("1 szó kész / %1").arg(count));
    EXPECT_FALSE(QFile::exists(anna + QStringLiteral("/phones/2.wav")));

    // Moving by keys: N and the right arrow on, P and the left arrow back, H to the next without a take.
    key(Qt::Key_N);
    key(Qt::Key_Right);
    EXPECT_EQ(w.Label_Felvetel_Hely->text(), QStringLiteral("4 / %1 · hang").arg(count));
    key(Qt::Key_P);
    key(Qt::Key_Left);
    key(Qt::Key_Left);
    EXPECT_EQ(w.Label_Felvetel_Hely->text(), QStringLiteral("1 / %1 · hang · már felvéve").arg(count));
    key(Qt::Key_H);
    EXPECT_EQ(w.Label_Felvetel_Hely->text(), QStringLiteral("2 / %1 · hang").arg(count));
    key(Qt::Key_Escape);
    EXPECT_FALSE(w.isVisible());

    // Another day: the same voice offered, going on from its first item without a take.
    std::unique_ptr<RecordingTool> again = installVoiceRecording(f.form.tools(), services);
    EXPECT_EQ(again->window().Edit_Felvetel_Nev->text(), QStringLiteral("anna"));
    again->window().openVoice();
    EXPECT_EQ(again->window().Label_Felvetel_Hely->text(), QStringLiteral("2 / %1 · hang").arg(count));
    EXPECT_EQ(again->window().Label_Felvetel_Haladas->text(), QStringLiteral("1 szó kész / %1").arg(count));

    // Exported, then imported over itself: asked first, kept on "no", replaced on "yes".
    const QString pack = home.filePath(QStringLiteral("anna.tar.gz"));
    w.askFile = [&pack](bool) { return pack; };
    QStringList asked;
    bool replace = false;
    w.askReplace = [&](const QString& voice) {
        asked << voice;
        return replace;
    };
    w.Button_Felvetel_Export->click();
    EXPECT_TRUE(w.Label_Felvetel_Uzenet->text().startsWith(QStringLiteral("Exportálva")))
        << w.Label_Felvetel_Uzenet->text().toStdString();
    ASSERT_TRUE(QFile::exists(pack));
    w.Button_Felvetel_Import->click();
    EXPECT_EQ(asked, QStringList{QStringLiteral("anna")});
    EXPECT_EQ(voicesChanged, 0);
    replace = true;
    w.Button_Felvetel_Import->click();
    EXPECT_EQ(voicesChanged, 1);
    EXPECT_TRUE(readWavFile(anna + QStringLiteral("/phones/1.wav")).check.playable());
    // A pack that is not one is refused with a message.
    QFile bad(pack);
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("no pack");
    bad.close();
    w.Button_Felvetel_Import->click();
    EXPECT_EQ(voicesChanged, 1);
    EXPECT_FALSE(w.Label_Felvetel_Uzenet->text().isEmpty());

    // "Lejátszás hangja:" anna: the lesson's vowel in her voice where she has it, else the model's.
    QComboBox* voices = w.ComboBox_Felvetel_Lejatszas;
    const int at = voices->findData(QStringLiteral("anna"));
    ASSERT_GT(at, 0);
    EXPECT_EQ(voices->itemText(0), QStringLiteral("Alapértelmezett"));
    voices->setCurrentIndex(at);
    emit voices->activated(at);
    QTest::mouseClick(f.Image_Mosaic[1], Qt::LeftButton);
    EXPECT_EQ(media->played.last(), anna + QStringLiteral("/phones/1.wav"));
    QTest::mouseClick(f.Image_Mosaic[2], Qt::LeftButton);
    EXPECT_FALSE(media->played.last().startsWith(anna));
    EXPECT_TRUE(media->played.last().endsWith(QStringLiteral("phones/2.wav")));
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QStringLiteral(" | ")).toStdString();
}
