#include "app/wav_check.h"

#include "app/regular_file.h"

#include <QFileInfo>
#include <cstdlib>

namespace ejteto {

namespace {
uint32_t le32(const QByteArray& b, qsizetype at)
{
    const auto u = [&](qsizetype i) { return uint32_t(uint8_t(b[at + i])); };
    return u(0) | u(1) << 8 | u(2) << 16 | u(3) << 24;
}
uint16_t le16(const QByteArray& b, qsizetype at) { return uint16_t(uint8_t(b[at]) | uint8_t(b[at + 1]) << 8); }

WavCheck broken(const QString& why) { return {WavFault::Broken, why}; }

// About -50 dBFS in 16-bit samples: quieter than any recording of a voice.
constexpr int kAudiblePeak16 = 100;

bool audible(const QByteArray& b, qsizetype from, qsizetype size, int format, int bits)
{
    if (format == 1 && bits == 16) {
        for (qsizetype i = from; i + 1 < from + size; i += 2)
            if (std::abs(int(int16_t(le16(b, i)))) > kAudiblePeak16)
                return true;
        return false;
    }
    // Other widths: any sample that is not the format's zero counts.
    const char zero = (format == 1 && bits == 8) ? char(0x80) : char(0);
    for (qsizetype i = from; i < from + size; ++i)
        if (b[i] != zero)
            return true;
    return false;
}
} // namespace

WavCheck checkWavBytes(const QByteArray& b)
{
    if (b.isEmpty())
        return {WavFault::Empty, QStringLiteral("üres fájl")};
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE")
        return broken(QStringLiteral("nem WAV fájl"));
    int format = 0;
    int bits = 0;
    int blockAlign = 0;
    qsizetype at = 12;
    while (at + 8 <= b.size()) {
        const QByteArray id = b.mid(at, 4);
        qsizetype size = qsizetype(le32(b, at + 4));
        const qsizetype body = at + 8;
        if (size > b.size() - body)
            size = b.size() - body; // streamed files leave the size open
        if (id == "fmt ") {
            if (size < 16)
                return broken(QStringLiteral("csonka formátumleírás"));
            format = le16(b, body);
            if (format == 0xFFFE && size >= 26)
                format = le16(b, body + 24); // the extensible format's sub-format
            const int channels = le16(b, body + 2);
            const uint32_t rate = le32(b, body + 4);
            blockAlign = le16(b, body + 12);
            bits = le16(b, body + 14);
            if (format != 1 && format != 3)
                return broken(QStringLiteral("nem PCM hang (formátum %1)").arg(format));
            if (channels < 1 || channels > 8 || rate < 8000 || rate > 192000 || blockAlign < 1 ||
                (bits != 8 && bits != 16 && bits != 24 && bits != 32))
                return broken(QStringLiteral("értelmetlen formátum: %1 csatorna, %2 Hz, %3 bit")
                                  .arg(channels)
                                  .arg(rate)
                                  .arg(bits));
        } else if (id == "data") {
            if (format == 0)
                return broken(QStringLiteral("a hangadat a formátumleírás előtt áll"));
            if (size < blockAlign)
                return broken(QStringLiteral("nincs benne hangadat"));
            if (!audible(b, body, size, format, bits))
                return {WavFault::Silent, QStringLiteral("csak csendet tartalmaz")};
            return {};
        }
        at = body + size + (size % 2);
    }
    return broken(QStringLiteral("nincs benne hangadat"));
}

WavCheck checkWavFile(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return {WavFault::Missing, QStringLiteral("hiányzik")};
    const FileRead r = readRegularFile(path, kMaxRecordingBytes);
    if (!r.bytes)
        return broken(QStringLiteral("nem olvasható: %1").arg(r.reason));
    return checkWavBytes(*r.bytes);
}

} // namespace ejteto
