// The "Hallásgyakorlat" window offscreen: opened by Ctrl+G on the lesson
// chosen in the mosaic, a whole round played with keys alone, in the voices
// of the installation, with what a screen reader is told.
#include "access/keyboard_fixture.h"

#include "content/listening_answer_sink.h"
#include "content/vowel_symbols.h"
#include "ui/listening_tool.h"
#include "ui/listening_window.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>

using namespace ejteto;
using namespace ejteto::testing;

namespace {

class Answers : public ListeningAnswerSink {
public:
    void recordAnswer(const ListeningAnswer& a) override { all.push_back(a); }
    std::vector<ListeningAnswer> all;
};

// The sound id of a played recording: ".../words/s3w7.wav" or ".../phones/3.wav".
int soundOfPath(const QString& path)
{
    const QString name = path.section(QLatin1Char('/'), -1).section(QLatin1Char('.'), 0, 0);
    return name.startsWith(QLatin1Char('s')) ? name.mid(1).section(QLatin1Char('w'), 0, 0).toInt() : name.toInt();
}

class ListeningWindowTest : public KeyboardTest {
protected:
    // Two voices with the words and vowels of sounds 1..3 (lesson 1 and its
    // confusables 2 and 3); one of bob's files is empty.
    void writeVoices()
    {
        for (const QString& voice : {QStringLiteral("anna"), QStringLiteral("bob")}) {
            QDir(install->dir()).mkpath(QStringLiteral("media/voices/%1/words").arg(voice));
            QDir(install->dir()).mkpath(QStringLiteral("media/voices/%1/phones").arg(voice));
            for (int s = 1; s <= 3; ++s) {
                for (int k = 1; k <= 12; ++k)
                    install->writeRecording(
                        QStringLiteral("media/voices/%1/words/%2.wav").arg(voice, TinyInstall::word(s, k)), 40);
                install->writeRecording(QStringLiteral("media/voices/%1/phones/%2.wav").arg(voice).arg(s), 40);
            }
        }
        install->writeText(QStringLiteral("media/voices/bob/words/s1w1.wav"), {});
    }

    RandomSource random;
    Answers answers;
};

} // namespace

TEST_F(ListeningWindowTest, ARoundPlayedWithKeysOnly)
{
    FormView& f = startForKeys();
    writeVoices();
    random.seed(99u);
    std::unique_ptr<ListeningTool> tool =
        installListeningDrill(f.form.tools(), {InstantMediaEngine::factory(media), &time, &random});
    tool->setAnswerSink(&answers);
    ListeningWindow& w = tool->window();

    // Before a lesson is chosen the window says what to do, and plays nothing.
    const int before = int(media->played.size());
    key(Qt::Key_G, Qt::ControlModifier);
    ASSERT_TRUE(w.isVisible());
    EXPECT_TRUE(w.Label_Hall_Itelet->text().startsWith(QStringLiteral("Előbb válassz leckét")));
    EXPECT_EQ(int(media->played.size()), before);
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    key(Qt::Key_Escape);
    EXPECT_FALSE(w.isVisible());

    // Lesson 1 by keys in the mosaic, then Ctrl+G: the first trial plays at once.
    f.form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f.form));
    tabTo(f.Image_Mosaic[1]);
    key(Qt::Key_Space);
    ASSERT_EQ(f.CurrentLesson, 1);
    key(Qt::Key_G, Qt::ControlModifier);
    ASSERT_TRUE(w.isVisible());
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    EXPECT_EQ(w.Button_Hall_Valasz[0]->text(), QStringLiteral("1   ") + symbolText(1));
    EXPECT_EQ(w.Button_Hall_Valasz[1]->accessibleName(), QStringLiteral("2. válasz: %1 (2. hang)").arg(symbolText(2)));

    int wrongOnPurpose = 0;
    int noisyTrials = 0;
    for (int trial = 1; trial <= 20; ++trial) {
        const QString played = media->played.last();
        const ListeningSound& sound = w.controller()->sound();
        const QString file = QStringLiteral("/media/voices/%1/%2")
                                 .arg(sound.voice, sound.recording.kind == CourseRecording::Kind::Word
                                                       ? QStringLiteral("words/%1.wav").arg(sound.recording.word)
                                                       : QStringLiteral("phones/%1.wav").arg(sound.recording.soundId));
        EXPECT_NE(file, QStringLiteral("/media/voices/bob/words/s1w1.wav")) << "an empty file is never a trial";
        EXPECT_TRUE(w.Label_Hall_Allapot->text().contains(QStringLiteral("%1/20. kérdés").arg(trial)));
        // Nine of the last ten right: the harder step mixes noise in.
        noisyTrials += sound.noisy ? 1 : 0;
        EXPECT_EQ(w.Label_Hall_Allapot->text().endsWith(QStringLiteral("zajjal")), sound.noisy);
        if (sound.noisy)
            EXPECT_TRUE(played.endsWith(QStringLiteral("zajos.wav"))) << played.toStdString();
        else
            EXPECT_TRUE(played.endsWith(file)) << played.toStdString();
        const int heard = soundOfPath(file);
        int place = 0;
        while (place < 3 && !w.Button_Hall_Valasz[size_t(place)]->text().endsWith(symbolText(heard)))
            ++place;
        ASSERT_LT(place, 3) << "the vowel heard is one of the three choices";

        // R hears the trial again, in the same voice.
        const int count = int(media->played.size());
        key(Qt::Key_R);
        ASSERT_EQ(int(media->played.size()), count + 1);
        EXPECT_EQ(media->played.last(), played);

        const bool missIt = trial == 5;
        key(Qt::Key_1 + (missIt ? (place + 1) % 3 : place));
        wrongOnPurpose += missIt ? 1 : 0;
        const QString verdict = w.Label_Hall_Itelet->text();
        EXPECT_TRUE(verdict.startsWith(missIt ? QStringLiteral("Nem talált") : QStringLiteral("Helyes!")))
            << verdict.toStdString();
        EXPECT_TRUE(verdict.contains(symbolText(heard)));
        EXPECT_EQ(w.Button_Hall_Tovabb->accessibleDescription(), verdict) << "the focus carries the verdict";
        EXPECT_EQ(focus(), w.Button_Hall_Tovabb);
        // A second choice changes nothing; M plays the right vowel in the model voice.
        key(Qt::Key_1 + (place + 2) % 3);
        EXPECT_EQ(w.Label_Hall_Itelet->text(), verdict);
        key(Qt::Key_M);
        EXPECT_TRUE(media->played.last().endsWith(QStringLiteral("/media/phones/%1.wav").arg(heard)))
            << media->played.last().toStdString();
        key(Qt::Key_Return);
    }

    EXPECT_TRUE(w.Label_Hall_Itelet->text().startsWith(QStringLiteral("Kör vége: 19 / 20 helyes (95 %).")))
        << w.Label_Hall_Itelet->text().toStdString();
    EXPECT_EQ(focus(), w.Button_Hall_UjKor);
    ASSERT_EQ(answers.all.size(), 20u);
    EXPECT_EQ(wrongOnPurpose, 1);
    EXPECT_EQ(noisyTrials, 10) << "noise from the 11th trial on: nine of the ten before were right";
    EXPECT_EQ(std::count_if(answers.all.begin(), answers.all.end(), [](const ListeningAnswer& a) { return !a.right; }),
              1);
    for (const ListeningAnswer& a : answers.all) {
        EXPECT_EQ(a.lesson, 1);
        EXPECT_TRUE(a.voice == QStringLiteral("anna") || a.voice == QStringLiteral("bob"));
    }

    // N starts another round; Esc hides the window and the main window is as it was.
    key(Qt::Key_N);
    EXPECT_TRUE(w.Label_Hall_Allapot->text().contains(QStringLiteral("1/20. kérdés")));
    key(Qt::Key_Escape);
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(errors.isEmpty()) << errors.join(QStringLiteral(" | ")).toStdString();
}
