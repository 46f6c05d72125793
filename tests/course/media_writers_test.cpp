// The WAV and AVI writers and the shaping of speech, checked through the
// readers that will meet their output: our WAV parser and GStreamer.
#include "app/app_error.h"
#include "audio/pcm_shaping.h"
#include "contentkit/avi_writer.h"
#include "contentkit/jpeg_encoder.h"
#include "contentkit/wav_file.h"
#include "gst_playback.h"
#include "media/jpeg_loader.h"
#include "media/picture_word.h"

#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

using namespace ejteto;
using namespace ejteto::contentkit;

namespace {
PcmAudio tone(int ms, int amplitude, int rate = 22050)
{
    PcmAudio a;
    a.sampleRate = rate;
    for (int i = 0; i < rate * ms / 1000; ++i)
        a.samples.push_back(int16_t(amplitude * std::sin(2 * M_PI * 440.0 * i / rate)));
    return a;
}
} // namespace

TEST(WavFile, WritesCanonicalMonoPcmAndReadsItBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("sub/t.wav");
    const PcmAudio a = tone(50, 12000, 16000);
    writeWav(path, a);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray b = f.readAll();
    EXPECT_EQ(b.size(), 44 + qsizetype(a.samples.size()) * 2);
    EXPECT_TRUE(b.startsWith("RIFF") && b.mid(8, 8) == "WAVEfmt ");
    const PcmAudio back = readWav(path);
    EXPECT_EQ(back.sampleRate, 16000);
    EXPECT_EQ(back.samples, a.samples);
}

TEST(WavFile, StreamedHeaderSizesAreCutToTheFileAndOtherFormatsRefused)
{
    QByteArray b = wavBytes(tone(10, 1000));
    b.replace(40, 4, QByteArray("\xF0\xFF\xFF\x7F", 4)); // espeak-ng's "unknown length"
    EXPECT_EQ(parseWav(b, "x").samples.size(), tone(10, 1000).samples.size());
    QByteArray stereo = wavBytes(tone(10, 1000));
    stereo[22] = 2;
    EXPECT_THROW(parseWav(stereo, "x"), AppError);
    EXPECT_THROW(parseWav("RIFF....WAVE", "x"), AppError);
}

TEST(AudioShaping, TrimsSilenceAtBothEndsAndEndsQuietly)
{
    PcmAudio a = silence(300);
    append(a, tone(200, 8000));
    append(a, silence(700));
    const PcmAudio t = trimSilence(a, 40);
    const double seconds = t.seconds();
    EXPECT_NEAR(seconds, 0.28, 0.01);
    EXPECT_EQ(t.samples.back(), 0);
    EXPECT_TRUE(trimSilence(silence(500)).samples.empty());
}

TEST(AudioShaping, EvensOutLoudnessWithoutClipping)
{
    const PcmAudio quiet = normalizeLoudness(tone(300, 800));
    const PcmAudio loud = normalizeLoudness(tone(300, 30000));
    EXPECT_NEAR(voicedLevelDbfs(quiet), -18.0, 0.3);
    EXPECT_NEAR(voicedLevelDbfs(loud), -18.0, 0.3);
    // A click among silence: the peak limit wins over the loudness target.
    PcmAudio click = silence(100);
    click.samples[100] = 20000;
    int peak = 0;
    for (const int16_t v : normalizeLoudness(click).samples)
        peak = std::max(peak, std::abs(int(v)));
    EXPECT_LE(peak, 29205); // -1 dBFS
}

TEST(AviWriter, MjpegWithSoundPlaysThroughGStreamerInSync)
{
    QTemporaryDir dir;
    std::vector<QImage> frames;
    for (const QColor c : {Qt::red, Qt::green, Qt::blue, Qt::white, Qt::black}) {
        QImage img(64, 48, QImage::Format_RGB32);
        img.fill(c);
        frames.push_back(img);
    }
    // 1.3 s of sound for 2.5 s of pictures: padded with silence to the end.
    const QString path = dir.filePath("t.avi");
    writeAvi(path, frames, 2, tone(1300, 5000));
    const auto played = coursetest::playAvi(path, true);
    EXPECT_TRUE(played.reachedEnd) << played.error.toStdString();
    EXPECT_EQ(played.videoFrames, 5);
    EXPECT_EQ(played.audioBytes, 5 * 11025 * 2);
}

TEST(AviWriter, SilentOneFrameVideoPlays)
{
    QTemporaryDir dir;
    AviMovie m;
    m.width = 400;
    m.height = 300;
    m.hasSound = false;
    QImage black(400, 300, QImage::Format_RGB32);
    black.fill(Qt::black);
    m.frames.push_back(black);
    const QString path = dir.filePath("null.avi");
    writeAvi(path, m);
    const auto played = coursetest::playAvi(path, false);
    EXPECT_TRUE(played.reachedEnd) << played.error.toStdString();
    EXPECT_EQ(played.videoFrames, 1);
}

TEST(AviWriter, RefusesAMovieWithoutFrames) { EXPECT_THROW(aviBytes(AviMovie{}), AppError); }

// The builder's manifest skips a lecture whose inputs are unchanged, and the
// package is built twice to be compared: the same movie, the same bytes.
TEST(AviWriter, TheSameMovieGivesTheSameBytes)
{
    AviMovie m;
    m.width = 64;
    m.height = 48;
    for (const QColor c : {Qt::red, Qt::blue, Qt::blue}) {
        QImage img(64, 48, QImage::Format_RGB32);
        img.fill(c);
        m.frames.push_back(img);
    }
    m.sound = tone(1500, 5000);
    const QByteArray first = aviBytes(m);
    EXPECT_TRUE(first.startsWith("RIFF") && first.mid(8, 4) == "AVI ");
    EXPECT_EQ(aviBytes(m), first);
}

TEST(JpegEncoder, SameImageSameBytesAndDecodable)
{
    QImage img(110, 110, QImage::Format_RGB32);
    img.fill(QColor(0x28, 0x35, 0x93));
    const QByteArray a = encodeJpeg(img);
    EXPECT_EQ(a, encodeJpeg(img));
    QImage back;
    ASSERT_TRUE(back.loadFromData(a, "JPG"));
    EXPECT_EQ(back.size(), QSize(110, 110));
    EXPECT_NEAR(back.pixelColor(55, 55).blue(), 0x93, 4);
}

TEST(JpegEncoder, ATileRecordsTheWordItPrints)
{
    QImage img(110, 110, QImage::Format_RGB32);
    img.fill(Qt::white);
    const QByteArray tile = encodeJpeg(img, 95, "Word: sheep");
    EXPECT_EQ(pictureWord(tile), QStringLiteral("sheep"));
    EXPECT_EQ(decodeJpeg(tile).size(), QSize(110, 110)) << "the comment leaves the picture readable";
    EXPECT_TRUE(pictureWord(encodeJpeg(img)).isEmpty());
    EXPECT_TRUE(pictureWord(tile.first(20)).isEmpty()) << "a cut header records nothing";
    EXPECT_TRUE(pictureWord("Word: sheep").isEmpty()) << "not a JPEG";
}
