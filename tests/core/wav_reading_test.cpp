// The one WAV reader: what a teacher's or a recorder's file holds, and for a
// file it cannot use, the checker's Hungarian words instead of a crash.
#include "audio/sound_length.h"
#include "audio/wav_file.h"

#include <QList>
#include <QTemporaryFile>
#include <gtest/gtest.h>
#include <unistd.h>

namespace ejteto {
namespace {

QByteArray u32(uint32_t v) { return QByteArray(reinterpret_cast<const char*>(&v), 4); }
QByteArray u16(uint16_t v) { return QByteArray(reinterpret_cast<const char*>(&v), 2); }

// A RIFF file laid out by hand, so every field can be made wrong.
QByteArray wav(const QByteArray& data, uint16_t channels = 1, uint32_t rate = 22050, uint16_t bits = 16,
               uint32_t fmtSize = 16, qint64 declaredData = -1)
{
    const uint16_t align = uint16_t(channels * bits / 8);
    QByteArray fmt = u16(1) + u16(channels) + u32(rate) + u32(rate * align) + u16(align) + u16(bits);
    fmt.truncate(fmtSize);
    const uint32_t dataSize = declaredData < 0 ? uint32_t(data.size()) : uint32_t(declaredData);
    const QByteArray body = "WAVE" + ("fmt " + u32(fmtSize) + fmt) + ("data" + u32(dataSize) + data);
    return "RIFF" + u32(uint32_t(body.size())) + body;
}

QByteArray loud16(int frames, int channels = 1)
{
    QByteArray d;
    for (int i = 0; i < frames * channels; ++i)
        d += u16(uint16_t(int16_t(i % 40 < 20 ? 8000 : -8000)));
    return d;
}

// A LIST chunk claiming more bytes than the file has, as the WAV fuzzer
// found it: libsndfile's own parser never returns from a file holding it.
QByteArray overlongListChunk()
{
    return "LIST" + u32(0xffff0004) + QByteArray(60, '\xff') + "\xf7" + QByteArray(8, '\xff') + QByteArray(2, '\0') +
           "INFO";
}

QByteArray overlongList()
{
    const QByteArray good = wav(loud16(10));
    return good.left(36) + overlongListChunk() + good.mid(36);
}

// libsndfile reads on past the samples: the same chunk after them hangs it too.
QByteArray overlongListAfterSamples() { return wav(loud16(10)) + overlongListChunk(); }

TEST(WavReading, BadFilesGetTheirHungarianReasonAndGoodOnesTheirSound)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        WavFault fault;
        QString detail;
    };
    const QList<Case> cases = {
        {"empty", {}, WavFault::Empty, "üres fájl"},
        {"text", "not a recording", WavFault::Broken, "nem WAV fájl"},
        {"bare RIFF header", "RIFF....WAVE", WavFault::Broken, "nincs benne hangadat"},
        {"short format chunk", wav(loud16(10), 1, 22050, 16, 8), WavFault::Broken, "csonka formátumleírás"},
        {"absurd rate", wav(loud16(10), 1, 16), WavFault::Broken, "értelmetlen formátum: 1 csatorna, 16 Hz, 16 bit"},
        {"no samples", wav({}), WavFault::Broken, "nincs benne hangadat"},
        {"quiet 16-bit", wav(u16(50).repeated(1000)), WavFault::Silent, "csak csendet tartalmaz"},
        {"8-bit silence", wav(QByteArray(1000, '\x80'), 1, 22050, 8), WavFault::Silent, "csak csendet tartalmaz"},
        {"chunk past the end", overlongList(), WavFault::Broken,
         "hibás WAV fájl: a(z) „LIST” blokk túlnyúlik a fájl végén"},
        {"chunk past the end after the samples", overlongListAfterSamples(), WavFault::Broken,
         "hibás WAV fájl: a(z) „LIST” blokk túlnyúlik a fájl végén"},
    };
    for (const Case& c : cases) {
        const WavReading r = readWavBytes(c.bytes);
        EXPECT_EQ(r.check.fault, c.fault) << c.name;
        EXPECT_EQ(r.check.detail, c.detail) << c.name;
    }

    // A recorder's stereo file plays, its channels kept; a streamed file's
    // open length is cut to the bytes there are.
    const WavReading stereo = readWavBytes(wav(loud16(300, 2), 2, 44100));
    EXPECT_TRUE(stereo.check.playable());
    EXPECT_EQ(stereo.audio.channels, 2);
    EXPECT_EQ(stereo.audio.frames(), 300);
    EXPECT_EQ(mixedToMono(stereo.audio).samples.size(), 300u);
    const WavReading streamed = readWavBytes(wav(loud16(300), 1, 22050, 16, 16, 0x7FFFFFF0));
    EXPECT_TRUE(streamed.check.playable());
    EXPECT_EQ(streamed.audio.frames(), 300);

    // The blocking play measures a recording before it starts: a file that
    // would hang libsndfile is not measured, a sound one is.
    for (const auto& [bytes, measured] : {std::pair{overlongList(), false}, std::pair{wav(loud16(2205)), true}}) {
        QTemporaryFile file;
        ASSERT_TRUE(file.open());
        file.write(bytes);
        file.flush();
        ASSERT_EQ(::lseek(file.handle(), 0, SEEK_SET), 0); // as the player opens it
        EXPECT_EQ(soundFileSeconds(file.handle()).has_value(), measured);
    }
}

} // namespace
} // namespace ejteto
