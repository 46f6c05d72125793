#include "audio/wav_file.h"

#include "app/app_error.h"
#include "app/regular_file.h"
#include "riff_layout.h"
#include "sound_file.h"

#include <QFileInfo>
#include <array>
#include <cstdlib>
#include <utility>

namespace ejteto {

namespace {

WavCheck broken(const QString& why) { return {WavFault::Broken, why}; }

// About -50 dBFS in 16-bit samples: quieter than any recording of a voice.
constexpr int kAudiblePeak16 = 100;

// libsndfile's reasons for refusing a file, in the checker's words; anything
// else keeps the library's own text after a Hungarian lead.
QString refusal(const QString& libraryText)
{
    static const std::array<std::pair<const char*, const char*>, 7> known = {{
        {"Format not recognised", "nem WAV fájl"},
        {"No 'data' chunk", "nincs benne hangadat"},
        {"Short 'fmt ' chunk", "csonka formátumleírás"},
        {"No 'fmt ' chunk", "nincs benne formátumleírás"},
        {"Channel count is zero", "értelmetlen formátum: 0 csatorna"},
        {"Malformed 'fmt ' chunk", "értelmetlen formátumleírás"},
        {"Error in ADPCM", "nem PCM hang (formátum ADPCM)"},
    }};
    for (const auto& [text, words] : known)
        if (libraryText.contains(QLatin1String(text)))
            return QString::fromUtf8(words);
    return QStringLiteral("hibás WAV fájl (%1)").arg(libraryText);
}

// The width a sample of `subtype` has in the file; 0 for encodings that are
// no plain PCM or float samples.
int bitsOf(int subtype)
{
    switch (subtype) {
    case SF_FORMAT_PCM_S8:
    case SF_FORMAT_PCM_U8:
        return 8;
    case SF_FORMAT_PCM_16:
        return 16;
    case SF_FORMAT_PCM_24:
        return 24;
    case SF_FORMAT_PCM_32:
    case SF_FORMAT_FLOAT:
        return 32;
    case SF_FORMAT_DOUBLE:
        return 64;
    default:
        return 0;
    }
}

QString encodingName(int format)
{
    SF_FORMAT_INFO info{};
    info.format = format & SF_FORMAT_SUBMASK;
    if (sf_command(nullptr, SFC_GET_FORMAT_INFO, &info, sizeof info) == 0 && info.name)
        return QString::fromUtf8(info.name);
    return QStringLiteral("0x%1").arg(info.format, 0, 16);
}

// Whether any sample can be heard: a 16-bit file needs a sample above the
// threshold, any other width any sample that is not the format's zero.
bool audible(SNDFILE* f, const SF_INFO& info, int bits)
{
    sf_seek(f, 0, SEEK_SET);
    std::vector<double> buffer(size_t(4096) * size_t(info.channels));
    const double threshold = bits == 16 ? double(kAudiblePeak16) / 32768.0 : 0.0;
    sf_count_t got = 0;
    while ((got = sf_readf_double(f, buffer.data(), 4096)) > 0)
        for (size_t i = 0; i < size_t(got) * size_t(info.channels); ++i)
            if (std::abs(buffer[i]) > threshold)
                return true;
    return false;
}

} // namespace

WavReading readWavBytes(const QByteArray& bytes)
{
    WavReading r;
    if (bytes.isEmpty()) {
        r.check = {WavFault::Empty, QStringLiteral("üres fájl")};
        return r;
    }
    if (const std::optional<QString> fault = riffLayoutFault(bytes)) {
        r.check = broken(*fault);
        return r;
    }
    SoundFile file = SoundFile::reading(bytes);
    if (!file.isOpen()) {
        r.check = broken(refusal(file.openError()));
        return r;
    }
    const SF_INFO& info = file.info();
    const int major = info.format & SF_FORMAT_TYPEMASK;
    if (major != SF_FORMAT_WAV && major != SF_FORMAT_WAVEX) {
        r.check = broken(QStringLiteral("nem WAV fájl"));
        return r;
    }
    r.bitsPerSample = bitsOf(info.format & SF_FORMAT_SUBMASK);
    if (r.bitsPerSample == 0) {
        r.check = broken(QStringLiteral("nem PCM hang (formátum %1)").arg(encodingName(info.format)));
        return r;
    }
    if (info.channels < 1 || info.channels > 8 || info.samplerate < 8000 || info.samplerate > 192000) {
        r.check = broken(QStringLiteral("értelmetlen formátum: %1 csatorna, %2 Hz, %3 bit")
                             .arg(info.channels)
                             .arg(info.samplerate)
                             .arg(r.bitsPerSample));
        return r;
    }
    if (info.frames < 1) {
        r.check = broken(QStringLiteral("nincs benne hangadat"));
        return r;
    }
    if (!audible(file.get(), info, r.bitsPerSample))
        r.check = {WavFault::Silent, QStringLiteral("csak csendet tartalmaz")};
    // The frame count lies within the bytes read: libsndfile cuts a data
    // chunk that claims more than the file holds.
    r.audio.sampleRate = info.samplerate;
    r.audio.channels = info.channels;
    r.audio.samples.resize(size_t(info.frames) * size_t(info.channels));
    sf_seek(file.get(), 0, SEEK_SET);
    const sf_count_t got = sf_readf_short(file.get(), r.audio.samples.data(), info.frames);
    r.audio.samples.resize(size_t(std::max<sf_count_t>(got, 0)) * size_t(info.channels));
    return r;
}

WavReading readWavFile(const QString& path)
{
    WavReading r;
    if (!QFileInfo(path).isFile()) {
        r.check = {WavFault::Missing, QStringLiteral("hiányzik")};
        return r;
    }
    const FileRead read = readRegularFile(path, kMaxRecordingBytes);
    if (!read.bytes) {
        r.check = broken(QStringLiteral("nem olvasható: %1").arg(read.reason));
        return r;
    }
    return readWavBytes(*read.bytes);
}

QByteArray wavBytes(const PcmAudio& audio)
{
    QByteArray out;
    SoundFile file = SoundFile::writing(out, audio.sampleRate, audio.channels, SF_FORMAT_WAV | SF_FORMAT_PCM_16);
    if (!file.isOpen())
        throw AppError(QStringLiteral("EWavWrite"), QStringLiteral("Cannot write a WAV file of %1 Hz, %2 channels: %3")
                                                        .arg(audio.sampleRate)
                                                        .arg(audio.channels)
                                                        .arg(file.openError()));
    const auto frames = sf_count_t(audio.frames());
    if (sf_writef_short(file.get(), audio.samples.data(), frames) != frames)
        throw AppError(QStringLiteral("EWavWrite"), QString::fromUtf8(sf_strerror(file.get())));
    file.close();
    return out;
}

} // namespace ejteto
