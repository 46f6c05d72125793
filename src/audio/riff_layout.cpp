#include "riff_layout.h"

#include <QtEndian>

namespace ejteto {

namespace {

// More chunks before the samples than any recording carries.
constexpr int kMaxChunks = 256;

quint32 sizeField(const QByteArray& header) { return qFromLittleEndian<quint32>(header.constData() + 4); }

QString overrun(const QByteArray& id)
{
    if (id == "fmt ")
        return QStringLiteral("csonka formátumleírás");
    return QStringLiteral("hibás WAV fájl: a(z) „%1” blokk túlnyúlik a fájl végén").arg(QString::fromLatin1(id));
}

// The sub-chunks of a LIST chunk whose bytes are [begin, end).
std::optional<QString> listFault(const ByteReader& read, qint64 begin, qint64 end)
{
    qint64 pos = begin + 4; // past the list's type ("INFO")
    for (int n = 0; pos + 8 <= end; ++n) {
        if (n == kMaxChunks)
            return QStringLiteral("hibás WAV fájl: túl sok blokk a „LIST” blokkban");
        const QByteArray header = read(pos, 8);
        if (header.size() < 8)
            return overrun("LIST");
        const qint64 length = sizeField(header);
        if (length > end - pos - 8)
            return overrun("LIST");
        pos += 8 + length + (length & 1);
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> riffLayoutFault(const ByteReader& read, qint64 size)
{
    const QByteArray head = read(0, 12);
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE")
        return QStringLiteral("nem WAV fájl");
    qint64 pos = 12;
    for (int n = 0; pos + 8 <= size; ++n) {
        if (n == kMaxChunks)
            return QStringLiteral("hibás WAV fájl: túl sok blokk a hangadat előtt");
        const QByteArray header = read(pos, 8);
        if (header.size() < 8)
            break;
        const QByteArray id = header.left(4);
        const qint64 length = sizeField(header);
        // The samples may be cut short (a streamed file's are): they end the
        // file, and libsndfile reads what is there.
        if (id == "data" && length > size - pos - 8)
            return std::nullopt;
        if (length > size - pos - 8)
            return overrun(id);
        if (id == "LIST" && length >= 4)
            if (auto fault = listFault(read, pos + 8, pos + 8 + length))
                return fault;
        pos += 8 + length + (length & 1);
    }
    return std::nullopt; // without samples, libsndfile says so in its own words
}

std::optional<QString> riffLayoutFault(const QByteArray& bytes)
{
    return riffLayoutFault([&bytes](qint64 offset, int count) { return bytes.mid(offset, count); }, bytes.size());
}

} // namespace ejteto
