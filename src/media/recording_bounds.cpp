#include "media/recording_bounds.h"

#include "app/scoped_fd.h"
#include "audio/sound_length.h"
#include "media/media_errors.h"

#include <QFile>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ejteto {

void refuseOverlongRecording(const QString& path)
{
    const ScopedFd fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    struct stat status {};
    if (!fd.isValid() || ::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode))
        return;
    bool tooLong = status.st_size > kMaxRecordingBytes;
    if (!tooLong) {
        const std::optional<double> seconds = soundFileSeconds(fd.get());
        tooLong = seconds && *seconds > kMaxRecordingSeconds;
    }
    if (tooLong)
        throw recordingTooLongError(path);
}

} // namespace ejteto
