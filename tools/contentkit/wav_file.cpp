#include "contentkit/wav_file.h"

#include "app/app_error.h"
#include "contentkit/file_output.h"

#include <QFile>

namespace ejteto::contentkit {

void writeWav(const QString& path, const PcmAudio& audio) { writeFileAtomically(path, wavBytes(audio)); }

PcmAudio parseWav(const QByteArray& b, const QString& what)
{
    const WavReading r = readWavBytes(b);
    const auto bad = [&](const QString& why) {
        return AppError(QStringLiteral("EInvalidWave"), QStringLiteral("%1: %2").arg(what, why));
    };
    // A silent file is still a recording; anything else the reader refused is not.
    if (!r.check.playable() && r.check.fault != WavFault::Silent)
        throw bad(r.check.detail);
    if (r.audio.channels != 1 || r.bitsPerSample != 16)
        throw bad(QStringLiteral("only mono 16-bit PCM is supported"));
    return r.audio;
}

PcmAudio readWav(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw fileOpenError(path, f.errorString());
    return parseWav(f.readAll(), path);
}

} // namespace ejteto::contentkit
