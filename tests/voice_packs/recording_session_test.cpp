// A whole recording session driven as the window's keys drive it, with a
// recorder that hands out prepared takes: faulty takes are held back with
// their fault named, sound ones kept in the voice folder at once, and the
// next session goes on where the last one stopped.
#include "content/recording_session.h"
#include "voice_packs/voice_folder_store.h"

#include "app/wav_check.h"
#include "audio/pcm_shaping.h"
#include "audio/wav_file.h"

#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <deque>
#include <gtest/gtest.h>

using namespace ejteto;

namespace {

// `lead` ms of `floor`-level noise, `ms` of a tone at `level`, `tail` ms of quiet.
VoiceTake take(int ms, int level = 8000, int lead = 200, int tail = 200, int floor = 20)
{
    const int rate = 16000;
    std::vector<int16_t> samples;
    const auto add = [&](int16_t v) { samples.push_back(v); };
    uint32_t noise = 1;
    const auto quiet = [&] {
        noise = noise * 1103515245u + 12345u;
        add(int16_t(int((noise >> 16) % (2 * floor + 1)) - floor));
    };
    for (int i = 0; i < rate * lead / 1000; ++i)
        quiet();
    for (int i = 0; i < rate * ms / 1000; ++i) {
        noise = noise * 1103515245u + 12345u;
        const int v = (i % 40 < 20 ? level : -level) + int((noise >> 16) % (2 * floor + 1)) - floor;
        add(int16_t(std::clamp(v, -32768, 32767)));
    }
    for (int i = 0; i < rate * tail / 1000; ++i)
        quiet();
    return {rate, 1, samples};
}

class ScriptedRecorder : public VoiceRecorder {
public:
    std::deque<VoiceTake> takes;
    std::vector<qint64> played; // durations of the takes played back
    bool start() override { return true; }
    VoiceTake finish(EventPump&, const std::function<bool()>&) override
    {
        VoiceTake t = takes.front();
        takes.pop_front();
        return t;
    }
    void playTake(const VoiceTake& t) override { played.push_back(t.durationMs()); }
};

struct NotedModel : RecordingPlayer {
    QStringList heard;
    void play(const CourseRecording& r, Speed) override
    {
        heard << (r.kind == CourseRecording::Kind::Vowel ? QString::number(r.soundId) : r.word);
    }
};

struct NotedView : RecordingSessionView {
    QString item;
    QString progress;
    QString message;
    void showItem(const RecordingItem& i, int position, int count, bool kept) override
    {
        item = QStringLiteral("%1/%2 %3%4")
                   .arg(position + 1)
                   .arg(count)
                   .arg(i.relativePath(), kept ? QStringLiteral("*") : QString());
    }
    void showProgress(int kept, int count) override { progress = QStringLiteral("%1/%2").arg(kept).arg(count); }
    void showMessage(const QString& text) override { message = text; }
    void showRecording(bool) override {}
};

struct NoPump : EventPump {
    void processPendingEvents() override {}
};

ContentTables twoWords()
{
    ContentTables t;
    loadWordTable(t, {"header", "cat;4;macska", "see;1;lát", "cat;4;macska", "a/b;2;rossz"});
    return t;
}

} // namespace

TEST(RecordingSession, FaultyTakesAreHeldBackAndSoundOnesKeptUntilTheSessionGoesOnAnotherDay)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("voices/anna");
    ScriptedRecorder recorder;
    NotedModel model;
    NotedView view;
    NoPump pump;
    VoiceFolderStore store(folder);
    // Vowel 4 measures as /e/ (3) instead.
    const VowelJudge vowel = [](const VoiceTake&, const RecordingItem& item) -> std::optional<QString> {
        if (item.soundId == 4)
            return QStringLiteral("Ez inkább /e/-nek hangzik, mint /æ/-nek. Felveszed újra?");
        return std::nullopt;
    };
    const std::vector<RecordingItem> items = recordingItems(twoWords());
    ASSERT_EQ(items.size(), 18u) << "16 vowels, cat and see once, no unsafe name";
    {
        // Shaped as the window shapes takes: checked as recorded, kept trimmed and levelled.
        RecordingSession session(items, {recorder, model, store, view, pump, shapeRecording, vowel});
        session.begin();
        EXPECT_EQ(view.item, "1/18 phones/1.wav");
        EXPECT_EQ(view.progress, "0/18");
        session.playModel();
        EXPECT_EQ(model.heard, QStringList({"1"}));

        struct Bad {
            VoiceTake take;
            const char* says;
        };
        const std::vector<Bad> bad = {
            {take(400, 30), "Nem hallatszik semmi"},
            {take(400, 32767), "Túlvezérelt"},
            {take(400, 8000, 0), "Le van vágva"},
            {take(400, 8000, 200, 0), "Le van vágva"},
            {take(400, 800, 200, 200, 300), "Zajos"},
            {take(100), "Túl rövid"},
            {take(3500), "Túl hosszú"},
        };
        for (const Bad& b : bad) {
            recorder.takes.push_back(b.take);
            session.record();
            EXPECT_TRUE(view.message.startsWith(QString::fromUtf8(b.says))) << view.message.toStdString();
            EXPECT_TRUE(view.message.endsWith("Felveszed újra?"));
            EXPECT_EQ(view.progress, "0/18") << "nothing kept";
        }
        session.listenBack();
        EXPECT_EQ(recorder.played, std::vector<qint64>({3900})) << "the held take can be heard";

        recorder.takes.push_back(take(500));
        session.record();
        EXPECT_EQ(view.message, "Megvan a hang.");
        EXPECT_EQ(view.item, "2/18 phones/2.wav");
        EXPECT_EQ(view.progress, "1/18");
        const WavReading kept = readWavFile(folder + "/phones/1.wav");
        ASSERT_TRUE(kept.check.playable());
        EXPECT_LT(kept.audio.durationMs(), 600) << "the quiet around the 500 ms vowel trimmed";
        EXPECT_NEAR(voicedLevelDbfs(kept.audio), -18.0, 0.5);

        session.next(); // vowel 2 skipped
        recorder.takes.push_back(take(500));
        session.record();
        EXPECT_EQ(view.item, "4/18 phones/4.wav");
        recorder.takes.push_back(take(500));
        session.record();
        EXPECT_EQ(view.message, "Ez inkább /e/-nek hangzik, mint /æ/-nek. Felveszed újra?");
        EXPECT_EQ(view.item, "4/18 phones/4.wav");
        EXPECT_EQ(view.progress, "2/18");
    }
    // Another day: the first item without a take, the count kept.
    RecordingSession again(items, {recorder, model, store, view, pump, {}, vowel});
    again.begin();
    EXPECT_EQ(view.item, "2/18 phones/2.wav");
    EXPECT_EQ(view.progress, "2/18");
    EXPECT_EQ(view.message, "Folytatod ott, ahol abbahagytad.");
    again.nextMissing();
    EXPECT_EQ(view.item, "4/18 phones/4.wav");
    for (int i = 0; i < 13; ++i)
        again.next();
    EXPECT_EQ(view.item, "17/18 words/cat.wav");
    recorder.takes.push_back(take(3000));
    again.record();
    EXPECT_TRUE(view.message.startsWith("Túl hosszú")) << "a held vowel's length is too long for a word";
    recorder.takes.push_back(take(450));
    again.record();
    EXPECT_EQ(view.message, "Megvan: cat.");
    EXPECT_TRUE(checkWavFile(folder + "/words/cat.wav").playable());
    EXPECT_EQ(view.progress, "3/18");
}
