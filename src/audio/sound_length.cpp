#include "audio/sound_length.h"

#include "riff_layout.h"

#include <sndfile.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ejteto {

std::optional<double> soundFileSeconds(int fd)
{
    // Only a WAV file whose chunks hold together reaches libsndfile.
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return std::nullopt;
    const ByteReader read = [fd](qint64 offset, int count) {
        QByteArray bytes(count, Qt::Uninitialized);
        const ssize_t got = ::pread(fd, bytes.data(), size_t(count), off_t(offset));
        bytes.resize(got > 0 ? qsizetype(got) : 0);
        return bytes;
    };
    if (riffLayoutFault(read, qint64(status.st_size)))
        return std::nullopt;
    SF_INFO info{};
    SNDFILE* f = sf_open_fd(fd, SFM_READ, &info, SF_FALSE);
    if (!f)
        return std::nullopt;
    sf_close(f);
    if (info.samplerate <= 0 || info.frames < 0)
        return std::nullopt;
    return double(info.frames) / info.samplerate;
}

} // namespace ejteto
