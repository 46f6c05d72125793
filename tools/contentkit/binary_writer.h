#pragma once
// Little-endian field writer for the RIFF files (WAV, AVI) the course holds.
#include <QByteArray>
#include <cstdint>

namespace ejteto::contentkit {

class BinaryWriter {
public:
    QByteArray& bytes() { return bytes_; }
    qsizetype size() const { return bytes_.size(); }

    void fourcc(const char (&code)[5]) { bytes_.append(code, 4); }
    void u16(uint16_t v)
    {
        bytes_.append(char(v & 0xFF));
        bytes_.append(char(v >> 8));
    }
    void u32(uint32_t v)
    {
        u16(uint16_t(v & 0xFFFF));
        u16(uint16_t(v >> 16));
    }
    void raw(const QByteArray& data) { bytes_.append(data); }
    void raw(const char* data, qsizetype n) { bytes_.append(data, n); }
    // Overwrites a 32-bit field written earlier (a chunk size known only later).
    void patchU32(qsizetype at, uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            bytes_[at + i] = char((v >> (8 * i)) & 0xFF);
    }
    // Starts a chunk and returns the place of its size field.
    qsizetype beginChunk(const char (&code)[5])
    {
        fourcc(code);
        const qsizetype at = size();
        u32(0);
        return at;
    }
    // Ends the chunk begun at `sizeAt`, padding it to an even length.
    void endChunk(qsizetype sizeAt)
    {
        patchU32(sizeAt, uint32_t(size() - sizeAt - 4));
        if (size() % 2)
            bytes_.append('\0');
    }

private:
    QByteArray bytes_;
};

inline uint32_t readU32(const QByteArray& b, qsizetype at)
{
    return uint32_t(uint8_t(b[at])) | uint32_t(uint8_t(b[at + 1])) << 8 | uint32_t(uint8_t(b[at + 2])) << 16 |
           uint32_t(uint8_t(b[at + 3])) << 24;
}
inline uint16_t readU16(const QByteArray& b, qsizetype at)
{
    return uint16_t(uint16_t(uint8_t(b[at])) | uint16_t(uint8_t(b[at + 1])) << 8);
}

} // namespace ejteto::contentkit
