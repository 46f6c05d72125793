// Voice folders of an installation: a teacher's voice of real recordings is
// checked file by file, and what it lacks is named, in one line per voice.
#include "course_fixture.h"

#include "contentkit/voice_checker.h"
#include "contentkit/wav_file.h"

#include "app/wav_check.h"
#include "voice_packs/voice_pack_export.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ejteto;
using ejteto::coursetest::put;
using namespace ejteto::contentkit;

namespace {
PcmAudio tone()
{
    PcmAudio a;
    for (int i = 0; i < 2205; ++i)
        a.samples.push_back(int16_t(i % 50 < 25 ? 4000 : -4000));
    return a;
}

// What a recorder writes: 44.1 kHz stereo, 24 bits; our own WAV writer makes
// only mono 16-bit files, so the bytes are laid out here.
QByteArray stereo24BitWav()
{
    QByteArray data;
    for (int i = 0; i < 4410; ++i)
        data += (i % 40 < 20) ? QByteArray("\x00\x00\x20\x00\x00\x20", 6) : QByteArray("\x00\x00\xE0\x00\x00\xE0", 6);
    const auto u32 = [](uint32_t v) { return QByteArray(reinterpret_cast<const char*>(&v), 4); };
    const auto u16 = [](uint16_t v) { return QByteArray(reinterpret_cast<const char*>(&v), 2); };
    return "RIFF" + u32(uint32_t(36 + data.size())) + "WAVE" + "fmt " + u32(16) + u16(1) + u16(2) + u32(44100) +
           u32(44100 * 6) + u16(6) + u16(24) + "data" + u32(uint32_t(data.size())) + data;
}

} // namespace

TEST(VoiceFolders, TeachersVoiceIsCheckedFileByFileAndItsGapsNamed)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString voices = dir.filePath("media/voices/");
    const QStringList words = {"see", "tree", "ship", "fish", "cat", "bed", "see"};
    // A complete voice: nothing to say about it.
    for (const QString& w : words)
        put(voices + "full/words/" + w + ".wav", wavBytes(tone()));
    for (int n = 1; n <= 16; ++n)
        put(voices + QStringLiteral("full/phones/%1.wav").arg(n), wavBytes(tone()));
    // The teacher's: a good recorder file, an empty one, a text file, a
    // silent take, the rest not yet recorded.
    put(voices + "anna/words/see.wav", stereo24BitWav());
    put(voices + "anna/words/tree.wav", {});
    put(voices + "anna/words/ship.wav", "not a recording");
    put(voices + "anna/words/fish.wav", wavBytes({22050, 1, std::vector<int16_t>(2205, 3)}));
    put(voices + "anna/phones/1.wav", wavBytes(tone()));
    QDir().mkpath(voices + "empty");

    QStringList lines;
    for (const TableProblem& p : checkVoiceFolders(dir.path(), words))
        lines << p.toString();
    EXPECT_EQ(lines, QStringList({
                         "media/voices/anna/words/tree.wav: üres fájl",
                         "media/voices/anna/words/ship.wav: nem WAV fájl",
                         "media/voices/anna/words/fish.wav: csak csendet tartalmaz",
                         "media/voices/anna: 2 szó felvétele hiányzik: cat, bed",
                         "media/voices/anna: 15 magánhangzó felvétele hiányzik: 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, "
                         "12, 13, 14, 15, 16",
                         "media/voices/empty: egyetlen felvétel sincs benne (words/<szó>.wav, phones/<n>.wav)",
                     }));
    // The drill's test of a file is the same: the recorder's file plays.
    EXPECT_TRUE(checkWavFile(voices + "anna/words/see.wav").playable());
    EXPECT_EQ(checkWavFile(voices + "anna/words/cat.wav").fault, WavFault::Missing);
}

TEST(VoiceFolders, OneVoiceFolderOrPackIsCheckedAsTheCoursesVoicesAre)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QStringList words = {"see", "cat"};
    const QString anna = dir.filePath("voices/anna");
    put(anna + "/words/see.wav", wavBytes(tone()));
    put(anna + "/words/cat.wav", "not a recording");
    for (int n = 1; n <= 16; ++n)
        put(anna + QStringLiteral("/phones/%1.wav").arg(n), wavBytes(tone()));
    const auto lines = [](const std::vector<TableProblem>& problems) {
        QStringList out;
        for (const TableProblem& p : problems)
            out << p.toString();
        return out;
    };
    EXPECT_EQ(lines(checkVoiceFolder(anna, words)), QStringList({anna + "/words/cat.wav: nem WAV fájl"}));

    // A pack is first put through the import's checks: the broken word
    // refuses it whole, naming the entry.
    const QString pack = dir.filePath("anna.voice");
    ASSERT_EQ(exportVoicePack(anna, {"anna", "", "", "", "1"}, pack).error, QString());
    const QStringList refused = lines(checkVoicePack(pack, words));
    ASSERT_EQ(refused.size(), 1);
    EXPECT_TRUE(refused[0].contains("„words/cat.wav”")) << refused[0].toStdString();
    QFile::remove(anna + "/words/cat.wav");
    ASSERT_EQ(exportVoicePack(anna, {"anna", "", "", "", "1"}, pack).error, QString());
    EXPECT_EQ(lines(checkVoicePack(pack, words)), QStringList({pack + ": 1 szó felvétele hiányzik: cat"}));
    put(dir.filePath("junk.voice"), "not an archive");
    EXPECT_EQ(lines(checkVoicePack(dir.filePath("junk.voice"), words)).size(), 1);
}
