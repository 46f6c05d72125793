#include "media/recording_bounds.h"

#include "app/scoped_fd.h"
#include "media/media_errors.h"

#include <QFile>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ejteto {

namespace {

// Enough for the chunks that come before the sound in any WAVE file the
// program meets (a long LIST or bext chunk included).
constexpr qsizetype kHeaderBytes = 64 * 1024;

quint32 le32(const QByteArray& b, qsizetype at)
{
    const auto* p = reinterpret_cast<const unsigned char*>(b.constData() + at);
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

quint16 le16(const QByteArray& b, qsizetype at)
{
    const auto* p = reinterpret_cast<const unsigned char*>(b.constData() + at);
    return quint16(p[0] | p[1] << 8);
}

} // namespace

std::optional<double> declaredWaveSeconds(const QByteArray& header)
{
    if (header.size() < 12 || !header.startsWith("RIFF") || header.mid(8, 4) != "WAVE")
        return std::nullopt;
    double bytesPerSecond = 0;
    for (qsizetype at = 12; at + 8 <= header.size();) {
        const QByteArray id = header.mid(at, 4);
        const quint32 size = le32(header, at + 4);
        const qsizetype body = at + 8;
        if (id == "fmt " && size >= 16 && body + 16 <= header.size()) {
            const quint16 tag = le16(header, body);
            const quint32 rate = le32(header, body + 4);
            const quint32 average = le32(header, body + 8);
            const quint16 blockAlign = le16(header, body + 12);
            // Plain samples (PCM, float, extensible) play at the rate their
            // frames give, whatever the average field says.
            const bool plain = tag == 1 || tag == 3 || tag == 0xFFFE;
            bytesPerSecond = plain && blockAlign > 0 ? double(rate) * blockAlign : double(average);
        } else if (id == "data") {
            // 0 and 0xFFFFFFFF stand for "unknown" (a stream, or RF64).
            if (bytesPerSecond <= 0 || size == 0 || size == 0xFFFFFFFFu)
                return std::nullopt;
            return size / bytesPerSecond;
        }
        at = body + qsizetype(size) + (size & 1);
    }
    return std::nullopt;
}

void refuseOverlongRecording(const QString& path)
{
    const ScopedFd fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    struct stat status {};
    if (!fd.isValid() || ::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode))
        return;
    bool tooLong = status.st_size > kMaxRecordingBytes;
    if (!tooLong) {
        QByteArray header(kHeaderBytes, '\0');
        const ssize_t got = ::pread(fd.get(), header.data(), size_t(header.size()), 0);
        header.truncate(got > 0 ? got : 0);
        const std::optional<double> seconds = declaredWaveSeconds(header);
        tooLong = seconds && *seconds > kMaxRecordingSeconds;
    }
    if (tooLong)
        throw recordingTooLongError(path);
}

} // namespace ejteto
