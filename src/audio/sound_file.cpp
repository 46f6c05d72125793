#include "sound_file.h"

#include <algorithm>
#include <cstring>

namespace ejteto {

namespace {

sf_count_t sizeOf(const QByteArray* in, const QByteArray* out) { return out ? out->size() : in->size(); }

} // namespace

void SoundFile::open(int mode)
{
    // The callbacks see the buffer only; every position they hand back lies
    // within the bytes, so a lying header cannot send the library past them.
    static SF_VIRTUAL_IO io = {
        [](void* user) -> sf_count_t {
            const auto* b = static_cast<Buffer*>(user);
            return sizeOf(b->in, b->out);
        },
        [](sf_count_t offset, int whence, void* user) -> sf_count_t {
            auto* b = static_cast<Buffer*>(user);
            const sf_count_t size = sizeOf(b->in, b->out);
            const sf_count_t base = whence == SEEK_CUR ? b->pos : whence == SEEK_END ? size : 0;
            if (offset > size - base || offset < -base)
                return -1;
            b->pos = base + offset;
            return b->pos;
        },
        [](void* ptr, sf_count_t count, void* user) -> sf_count_t {
            auto* b = static_cast<Buffer*>(user);
            const QByteArray& from = b->out ? *b->out : *b->in;
            const sf_count_t n = std::clamp<sf_count_t>(from.size() - b->pos, 0, std::max<sf_count_t>(count, 0));
            if (n > 0)
                std::memcpy(ptr, from.constData() + b->pos, size_t(n));
            b->pos += n;
            return n;
        },
        [](const void* ptr, sf_count_t count, void* user) -> sf_count_t {
            auto* b = static_cast<Buffer*>(user);
            if (!b->out || count <= 0)
                return 0;
            if (b->pos + count > b->out->size())
                b->out->resize(qsizetype(b->pos + count));
            std::memcpy(b->out->data() + b->pos, ptr, size_t(count));
            b->pos += count;
            return count;
        },
        [](void* user) -> sf_count_t { return static_cast<Buffer*>(user)->pos; },
    };
    handle_.reset(sf_open_virtual(&io, mode, &info_, buffer_.get()));
    if (!handle_)
        openError_ = QString::fromUtf8(sf_strerror(nullptr));
}

SoundFile SoundFile::reading(const QByteArray& bytes)
{
    SoundFile f;
    f.buffer_->in = &bytes;
    f.open(SFM_READ);
    return f;
}

SoundFile SoundFile::writing(QByteArray& out, int sampleRate, int channels, int format)
{
    SoundFile f;
    out.clear();
    f.buffer_->out = &out;
    f.info_.samplerate = sampleRate;
    f.info_.channels = channels;
    f.info_.format = format;
    f.open(SFM_WRITE);
    return f;
}

SoundFile::SoundFile(SoundFile&&) noexcept = default;
SoundFile::~SoundFile() = default;

} // namespace ejteto
