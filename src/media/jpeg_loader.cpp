#include "media/jpeg_loader.h"

#include "app/regular_file.h"
#include "media/media_errors.h"

#include <QDir>
#include <QHash>
#include <csetjmp>
#include <cstdio>
#include <mutex>

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

// A progressive picture may hold any number of scans, each a full pass over
// the coefficients; real pictures have about ten. Far more is a hostile
// file that would hold the window for seconds.
constexpr int kMaxScans = 500;

void onProgress(j_common_ptr info)
{
    auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
    if (decompress->input_scan_number > kMaxScans) {
        std::snprintf(reinterpret_cast<ErrorManager*>(info->err)->message, JMSG_LENGTH_MAX,
                      "Progressive JPEG image has more than %d scans", kMaxScans);
        std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
    }
}

// CMYK as Adobe writes it is stored inverted (0 = full ink).
inline uchar inkToChannel(int ink, int black, bool inverted)
{
    return inverted ? static_cast<uchar>(ink * black / 255) : static_cast<uchar>((255 - ink) * (255 - black) / 255);
}

enum class DecodeResult { Ok, JpegError, OutOfMemory, TooLarge };

// Everything between setjmp and a possible longjmp is plain C data or lives
// outside this frame, so the jump skips no destructor.
DecodeResult decode(QByteArrayView data, QImage& image, char* message, QSize& declared)
{
    jpeg_decompress_struct info;
    ErrorManager errors;
    jpeg_progress_mgr progress{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onFatalError;
    errors.base.output_message = onMessage;
    errors.message[0] = '\0';
    if (setjmp(errors.jump) != 0) {
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", errors.message);
        jpeg_destroy_decompress(&info);
        return DecodeResult::JpegError;
    }

    jpeg_create_decompress(&info);
    progress.progress_monitor = onProgress;
    info.progress = &progress;
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.data()), static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    // The header's size is checked before anything is allocated for the
    // picture: a tiny file may claim tens of thousands of pixels each way.
    if (info.image_width > kMaxJpegSide || info.image_height > kMaxJpegSide) {
        declared = QSize(static_cast<int>(info.image_width), static_cast<int>(info.image_height));
        jpeg_destroy_decompress(&info);
        return DecodeResult::TooLarge;
    }

    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    const bool adobeInverted = cmyk && info.saw_Adobe_marker;
    if (cmyk)
        info.out_color_space = JCS_CMYK;
    else
        info.out_color_space = (Q_BYTE_ORDER == Q_LITTLE_ENDIAN) ? JCS_EXT_BGRX : JCS_EXT_XRGB;
    jpeg_start_decompress(&info);

    image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height), QImage::Format_RGB32);
    if (image.isNull()) {
        jpeg_destroy_decompress(&info);
        return DecodeResult::OutOfMemory;
    }
    // The row buffer of CMYK pictures comes from libjpeg's own pool and goes
    // with jpeg_destroy_decompress, whichever way the decoder ends.
    JSAMPARRAY cmykRow =
        cmyk ? (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE, info.output_width * 4, 1)
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
            target[x] = qRgb(inkToChannel(ink[0], ink[3], adobeInverted), inkToChannel(ink[1], ink[3], adobeInverted),
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
        // Only pictures of the course's size are kept: a picture near the
        // caps would hold tens of megabytes for the rest of the run.
        if (data.size() > kMostBytes || image.width() > kMostSide || image.height() > kMostSide)
            return;
        const std::lock_guard lock(mutex_);
        // The program has a few dozen pictures; anything beyond that starts afresh.
        if (pictures_.size() >= kMostPictures && !pictures_.contains(path))
            pictures_.clear();
        pictures_.insert(path, {data, image});
    }

private:
    static constexpr qsizetype kMostPictures = 64;
    static constexpr qsizetype kMostBytes = 256 * 1024;
    static constexpr int kMostSide = 256;
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

// Decodes `data`; a picture refused for its size names the file it came
// from (when there is one), like a file refused for its size. libjpeg's own
// messages stay as libjpeg words them.
QImage decodeFrom(QByteArrayView data, const QString* path)
{
    QImage image;
    char message[JMSG_LENGTH_MAX] = {};
    QSize declared;
    switch (decode(data, image, message, declared)) {
    case DecodeResult::Ok:
        return image;
    case DecodeResult::OutOfMemory:
        throw outOfMemoryError();
    case DecodeResult::TooLarge: {
        const AppError tooLarge = pictureTooLargeError(declared, kMaxJpegSide);
        if (path != nullptr)
            throw fileOpenError(*path, tooLarge.message());
        throw tooLarge;
    }
    case DecodeResult::JpegError:
        break;
    }
    throw jpegError(QString::fromLocal8Bit(message));
}

} // namespace

QImage decodeJpeg(QByteArrayView data) { return decodeFrom(data, nullptr); }

QImage loadJpeg(const QString& path)
{
    const QByteArray data = readRegularFileOrThrow(path, kMaxPictureBytes);
    const QString key = QDir::cleanPath(path);
    if (QImage known = decodedPictures().find(key, data); !known.isNull())
        return known;
    QImage image = decodeFrom(data, &path);
    decodedPictures().keep(key, data, image);
    return image;
}

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
