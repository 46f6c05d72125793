#include "contentkit/avi_writer.h"

#include "app/app_error.h"
#include "contentkit/binary_writer.h"
#include "contentkit/file_output.h"
#include "contentkit/jpeg_encoder.h"

#include <algorithm>

namespace ejteto::contentkit {

namespace {
constexpr uint32_t kHasIndex = 0x10;
constexpr uint32_t kIsInterleaved = 0x100;
constexpr uint32_t kKeyFrame = 0x10;

struct IndexEntry {
    char id[4];
    uint32_t offset;
    uint32_t size;
};

// First sample of frame k's stretch of sound; integer maths keeps the
// stretches gap-free whatever the rate.
int64_t soundStart(int64_t frame, int rate, int fps) { return frame * rate / fps; }
} // namespace

QByteArray aviBytes(const AviMovie& m)
{
    if (m.width <= 0 || m.height <= 0 || m.framesPerSecond <= 0 || m.jpegFrames.empty())
        throw AppError(QStringLiteral("EAviWriter"), QStringLiteral("An AVI needs a size, a frame rate and frames"));
    const int64_t frames = int64_t(m.jpegFrames.size());
    const int rate = m.sound.sampleRate;
    const int64_t soundSamples = m.hasSound ? soundStart(frames, rate, m.framesPerSecond) : 0;
    size_t biggestFrame = 0;
    for (const QByteArray& f : m.jpegFrames)
        biggestFrame = std::max(biggestFrame, size_t(f.size()));
    const uint32_t biggestSound = m.hasSound ? uint32_t((rate / m.framesPerSecond + 1) * 2) : 0;

    BinaryWriter w;
    const qsizetype riffSize = w.beginChunk("RIFF");
    w.fourcc("AVI ");

    const qsizetype hdrl = w.beginChunk("LIST");
    w.fourcc("hdrl");
    const qsizetype avih = w.beginChunk("avih");
    w.u32(uint32_t(1000000 / m.framesPerSecond));
    w.u32(uint32_t(biggestFrame * size_t(m.framesPerSecond) + biggestSound * uint32_t(m.framesPerSecond)));
    w.u32(0);
    w.u32(kHasIndex | kIsInterleaved);
    w.u32(uint32_t(frames));
    w.u32(0);
    w.u32(m.hasSound ? 2 : 1);
    w.u32(uint32_t(biggestFrame + biggestSound + 16));
    w.u32(uint32_t(m.width));
    w.u32(uint32_t(m.height));
    for (int i = 0; i < 4; ++i)
        w.u32(0);
    w.endChunk(avih);

    // Video stream header and BITMAPINFOHEADER.
    const qsizetype strlV = w.beginChunk("LIST");
    w.fourcc("strl");
    const qsizetype strhV = w.beginChunk("strh");
    w.fourcc("vids");
    w.fourcc("MJPG");
    w.u32(0);                           // flags
    w.u16(0);                           // priority
    w.u16(0);                           // language
    w.u32(0);                           // initial frames
    w.u32(1);                           // scale
    w.u32(uint32_t(m.framesPerSecond)); // rate
    w.u32(0);                           // start
    w.u32(uint32_t(frames));
    w.u32(uint32_t(biggestFrame));
    w.u32(0xFFFFFFFF); // quality: default
    w.u32(0);          // sample size: varies
    w.u16(0);
    w.u16(0);
    w.u16(uint16_t(m.width));
    w.u16(uint16_t(m.height));
    w.endChunk(strhV);
    const qsizetype strfV = w.beginChunk("strf");
    w.u32(40);
    w.u32(uint32_t(m.width));
    w.u32(uint32_t(m.height));
    w.u16(1);
    w.u16(24);
    w.fourcc("MJPG");
    w.u32(uint32_t(m.width * m.height * 3));
    for (int i = 0; i < 4; ++i)
        w.u32(0);
    w.endChunk(strfV);
    w.endChunk(strlV);

    if (m.hasSound) {
        // Sound stream header and WAVEFORMATEX: one unit is one 2-byte sample.
        const qsizetype strlA = w.beginChunk("LIST");
        w.fourcc("strl");
        const qsizetype strhA = w.beginChunk("strh");
        w.fourcc("auds");
        w.u32(0);
        w.u32(0);
        w.u16(0);
        w.u16(0);
        w.u32(0);
        w.u32(2);                  // scale = block align
        w.u32(uint32_t(rate) * 2); // rate = bytes per second
        w.u32(0);
        w.u32(uint32_t(soundSamples));
        w.u32(biggestSound);
        w.u32(0xFFFFFFFF);
        w.u32(2); // sample size
        for (int i = 0; i < 4; ++i)
            w.u16(0);
        w.endChunk(strhA);
        const qsizetype strfA = w.beginChunk("strf");
        w.u16(1);
        w.u16(1);
        w.u32(uint32_t(rate));
        w.u32(uint32_t(rate) * 2);
        w.u16(2);
        w.u16(16);
        w.u16(0);
        w.endChunk(strfA);
        w.endChunk(strlA);
    }
    w.endChunk(hdrl);

    const qsizetype movi = w.beginChunk("LIST");
    const qsizetype moviStart = w.size();
    w.fourcc("movi");
    std::vector<IndexEntry> index;
    index.reserve(size_t(frames) * 2);
    const auto chunk = [&](const char(&id)[5], const char* data, qsizetype n) {
        index.push_back({{id[0], id[1], id[2], id[3]}, uint32_t(w.size() - moviStart), uint32_t(n)});
        const qsizetype at = w.beginChunk(id);
        w.raw(data, n);
        w.endChunk(at);
    };
    QByteArray pcm;
    for (int64_t k = 0; k < frames; ++k) {
        if (m.hasSound) {
            const int64_t from = soundStart(k, rate, m.framesPerSecond);
            const int64_t to = soundStart(k + 1, rate, m.framesPerSecond);
            pcm.resize(qsizetype((to - from) * 2));
            for (int64_t i = from; i < to; ++i) {
                const int16_t s = size_t(i) < m.sound.samples.size() ? m.sound.samples[size_t(i)] : 0;
                pcm[qsizetype((i - from) * 2)] = char(uint16_t(s) & 0xFF);
                pcm[qsizetype((i - from) * 2 + 1)] = char(uint16_t(s) >> 8);
            }
            chunk("01wb", pcm.constData(), pcm.size());
        }
        const QByteArray& f = m.jpegFrames[size_t(k)];
        chunk("00dc", f.constData(), f.size());
    }
    w.endChunk(movi);

    const qsizetype idx1 = w.beginChunk("idx1");
    for (const IndexEntry& e : index) {
        w.raw(e.id, 4);
        w.u32(kKeyFrame);
        w.u32(e.offset);
        w.u32(e.size);
    }
    w.endChunk(idx1);
    w.endChunk(riffSize);
    return w.bytes();
}

void writeAvi(const QString& path, const AviMovie& movie) { writeFileAtomically(path, aviBytes(movie)); }

void writeAvi(const QString& path, const std::vector<QImage>& frames, int framesPerSecond, const PcmAudio& sound,
              int quality)
{
    AviMovie m;
    if (!frames.empty()) {
        m.width = frames.front().width();
        m.height = frames.front().height();
    }
    m.framesPerSecond = framesPerSecond;
    m.sound = sound;
    for (const QImage& f : frames)
        m.jpegFrames.push_back(encodeJpeg(f, quality));
    writeAvi(path, m);
}

} // namespace ejteto::contentkit
