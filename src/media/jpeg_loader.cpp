#include "media/jpeg_loader.h"

#include "media/media_errors.h"
#include "scoped_fd.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QtEndian>
#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

#include <jpeglib.h>

namespace ejteto {

namespace {

// libjpeg's default error handler prints and calls exit(); this one keeps the
// formatted message and jumps back to the decoder instead.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void onFatalError(j_common_ptr info)
{
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    errors->base.format_message(info, errors->message);
    std::longjmp(errors->jump, 1);
}

// Warnings (a truncated file, for one) are not errors: the decoder fills the
// missing part and goes on, silently.
void onMessage(j_common_ptr) {}

QByteArray readWholeFile(const QString& path)
{
    const ScopedFd fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC));
    if (!fd.isValid())
        throw fileOpenErrorFromErrno(path, errno);
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0)
        throw fileOpenErrorFromErrno(path, errno);
    if (S_ISDIR(status.st_mode))
        throw fileOpenErrorFromErrno(path, EISDIR);
    QByteArray data;
    char chunk[65536];
    while (true) {
        const ssize_t got = ::read(fd.get(), chunk, sizeof chunk);
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw fileOpenErrorFromErrno(path, errno);
        }
        data.append(chunk, got);
    }
    return data;
}

// CMYK as Adobe writes it is stored inverted (0 = full ink).
inline uchar inkToChannel(int ink, int black, bool inverted)
{
    return inverted ? static_cast<uchar>(ink * black / 255)
                    : static_cast<uchar>((255 - ink) * (255 - black) / 255);
}

enum class DecodeResult { Ok, JpegError, OutOfMemory };

// Everything between setjmp and a possible longjmp is plain C data or lives
// outside this frame, so the jump skips no destructor.
DecodeResult decode(const QByteArray& data, QImage& image, char* message)
{
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onFatalError;
    errors.base.output_message = onMessage;
    if (setjmp(errors.jump) != 0) {
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", errors.message);
        jpeg_destroy_decompress(&info);
        return DecodeResult::JpegError;
    }

    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<unsigned char*>(const_cast<char*>(data.constData())),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);

    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    const bool adobeInverted = cmyk && info.saw_Adobe_marker;
    if (cmyk)
        info.out_color_space = JCS_CMYK;
    else
        info.out_color_space = (Q_BYTE_ORDER == Q_LITTLE_ENDIAN) ? JCS_EXT_BGRX : JCS_EXT_XRGB;
    jpeg_start_decompress(&info);

    image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                   QImage::Format_RGB32);
    if (image.isNull()) {
        jpeg_destroy_decompress(&info);
        return DecodeResult::OutOfMemory;
    }
    // The row buffer of CMYK pictures comes from libjpeg's own pool and goes
    // with jpeg_destroy_decompress, whichever way the decoder ends.
    JSAMPARRAY cmykRow = cmyk ? (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info),
                                                          JPOOL_IMAGE, info.output_width * 4, 1)
                              : nullptr;
    while (info.output_scanline < info.output_height) {
        const int y = static_cast<int>(info.output_scanline);
        if (!cmyk) {
            JSAMPROW row = image.scanLine(y);
            jpeg_read_scanlines(&info, &row, 1);
            continue;
        }
        jpeg_read_scanlines(&info, cmykRow, 1);
        auto* target = reinterpret_cast<QRgb*>(image.scanLine(y));
        const JSAMPLE* ink = cmykRow[0];
        for (JDIMENSION x = 0; x < info.output_width; ++x, ink += 4) {
            target[x] = qRgb(inkToChannel(ink[0], ink[3], adobeInverted),
                             inkToChannel(ink[1], ink[3], adobeInverted),
                             inkToChannel(ink[2], ink[3], adobeInverted));
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return DecodeResult::Ok;
}

// Pictures decoded before, each with the bytes it was decoded from. A tile
// click reads its seventeen pictures every time; a file whose bytes have
// not changed gives back the picture decoded from them without decoding it
// again, while a file that changed, went missing or broke is read and
// decoded (or fails) exactly as the first time.
class DecodedPictures {
public:
    QImage find(const QString& path, const QByteArray& data)
    {
        const std::lock_guard lock(mutex_);
        const auto known = pictures_.constFind(path);
        return known != pictures_.cend() && known->data == data ? known->image : QImage();
    }

    void keep(const QString& path, const QByteArray& data, const QImage& image)
    {
        const std::lock_guard lock(mutex_);
        // The program has a few dozen pictures; anything beyond that starts afresh.
        if (pictures_.size() >= kMostPictures && !pictures_.contains(path))
            pictures_.clear();
        pictures_.insert(path, {data, image});
    }

private:
    static constexpr qsizetype kMostPictures = 64;
    struct Decoded {
        QByteArray data;
        QImage image;
    };
    std::mutex mutex_;
    QHash<QString, Decoded> pictures_;
};

DecodedPictures& decodedPictures()
{
    static DecodedPictures pictures;
    return pictures;
}

} // namespace

QImage loadJpeg(const QString& path)
{
    const QString key = QDir::cleanPath(path);
    const QByteArray data = readWholeFile(path);
    if (QImage known = decodedPictures().find(key, data); !known.isNull())
        return known;
    QImage image;
    char message[JMSG_LENGTH_MAX] = {};
    switch (decode(data, image, message)) {
    case DecodeResult::Ok:
        decodedPictures().keep(key, data, image);
        return image;
    case DecodeResult::OutOfMemory:
        throw outOfMemoryError();
    case DecodeResult::JpegError:
        break;
    }
    throw jpegError(QString::fromLocal8Bit(message));
}

} // namespace ejteto

namespace ejteto {

void decodeAhead(const QStringList& paths) noexcept
{
    for (const QString& path : paths) {
        try {
            (void)loadJpeg(path);
        } catch (...) {
            // Reported by the load that needs the picture, when it needs it.
        }
    }
}

} // namespace ejteto
