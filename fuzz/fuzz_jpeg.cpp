// The JPEG loader from memory: any bytes give a picture no larger than the
// cap, or an error; never a crash, a read out of bounds or a huge allocation.
#include "app/app_error.h"
#include "media/jpeg_loader.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace ejteto;
    try {
        const QImage image = decodeJpeg(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
        if (image.width() > int(kMaxJpegSide) || image.height() > int(kMaxJpegSide))
            std::abort();
    } catch (const AppError&) {
    }
    return 0;
}
