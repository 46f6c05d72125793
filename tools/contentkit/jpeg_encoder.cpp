#include "contentkit/jpeg_encoder.h"

#include "app/app_error.h"
#include "contentkit/file_output.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace ejteto::contentkit {

namespace {
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void onError(j_common_ptr info)
{
    auto* err = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, err->message);
    std::longjmp(err->jump, 1);
}
} // namespace

QByteArray encodeJpeg(const QImage& image, int quality, const QByteArray& comment)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct cinfo{};
    ErrorManager err{};
    cinfo.err = jpeg_std_error(&err.base);
    err.base.error_exit = onError;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    if (setjmp(err.jump)) {
        jpeg_destroy_compress(&cinfo);
        std::free(buffer);
        throw AppError(QStringLiteral("EJPEG"), QString::fromLocal8Bit(err.message));
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = JDIMENSION(rgb.width());
    cinfo.image_height = JDIMENSION(rgb.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    // Plain baseline Huffman tables: every decoder, MJPEG in AVI included, reads them.
    cinfo.optimize_coding = FALSE;
    jpeg_start_compress(&cinfo, TRUE);
    if (!comment.isEmpty())
        jpeg_write_marker(&cinfo, JPEG_COM, reinterpret_cast<const JOCTET*>(comment.constData()),
                          unsigned(qMin<qsizetype>(comment.size(), 65533)));
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(int(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    QByteArray out(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    return out;
}

void writeJpeg(const QString& path, const QImage& image, int quality)
{
    writeFileAtomically(path, encodeJpeg(image, quality));
}

} // namespace ejteto::contentkit
