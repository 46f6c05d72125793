#include "audio/sound_length.h"

#include <sndfile.h>

namespace ejteto {

std::optional<double> soundFileSeconds(int fd)
{
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
