#include "contentkit/wav_file.h"

#include "app/app_error.h"
#include "contentkit/binary_writer.h"
#include "contentkit/file_output.h"

#include <QFile>

namespace ejteto::contentkit {

QByteArray wavBytes(const PcmAudio& audio)
{
    BinaryWriter w;
    const uint32_t dataSize = uint32_t(audio.samples.size() * 2);
    w.fourcc("RIFF");
    w.u32(36 + dataSize);
    w.fourcc("WAVE");
    w.fourcc("fmt ");
    w.u32(16);
    w.u16(1); // PCM
    w.u16(1); // mono
    w.u32(uint32_t(audio.sampleRate));
    w.u32(uint32_t(audio.sampleRate) * 2);
    w.u16(2);
    w.u16(16);
    w.fourcc("data");
    w.u32(dataSize);
    for (const int16_t s : audio.samples)
        w.u16(uint16_t(s));
    return w.bytes();
}

void writeWav(const QString& path, const PcmAudio& audio) { writeFileAtomically(path, wavBytes(audio)); }

PcmAudio parseWav(const QByteArray& b, const QString& what)
{
    const auto bad = [&](const QString& why) {
        return AppError(QStringLiteral("EInvalidWave"), QStringLiteral("%1: %2").arg(what, why));
    };
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE")
        throw bad(QStringLiteral("not a WAV file"));
    PcmAudio audio;
    bool haveFormat = false;
    qsizetype at = 12;
    while (at + 8 <= b.size()) {
        const QByteArray id = b.mid(at, 4);
        qsizetype size = readU32(b, at + 4);
        const qsizetype body = at + 8;
        if (size > b.size() - body)
            size = b.size() - body;
        if (id == "fmt " && size >= 16) {
            if (readU16(b, body) != 1 || readU16(b, body + 2) != 1 || readU16(b, body + 14) != 16)
                throw bad(QStringLiteral("only mono 16-bit PCM is supported"));
            audio.sampleRate = int(readU32(b, body + 4));
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                throw bad(QStringLiteral("data before format"));
            audio.samples.resize(size_t(size / 2));
            for (size_t i = 0; i < audio.samples.size(); ++i)
                audio.samples[i] = int16_t(readU16(b, body + qsizetype(2 * i)));
            return audio;
        }
        at = body + size + (size % 2);
    }
    throw bad(QStringLiteral("no sound data"));
}

PcmAudio readWav(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw fileOpenError(path, f.errorString());
    return parseWav(f.readAll(), path);
}

} // namespace ejteto::contentkit
