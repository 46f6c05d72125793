#pragma once
// Decoding of the program's JPEG pictures (tiles, speakers) with libjpeg.
#include <QByteArrayView>
#include <QImage>
#include <QString>

namespace ejteto {

// The largest picture side accepted. The program's pictures are 110 x 110 at
// most; the header is checked before the decoder allocates anything.
constexpr unsigned kMaxJpegSide = 2048;

// Decodes JPEG bytes into a 32-bit RGB image. Colour, grayscale and CMYK
// pictures are accepted. Raises AppError with libjpeg's own message when the
// bytes are not a JPEG it can decode, and "Picture too large (w x h pixels,
// at most 2048 x 2048)" when the header declares more.
QImage decodeJpeg(QByteArrayView data);

// Decodes the JPEG file at `path`, a regular file of at most 16 MB. Raises
// "Cannot open file "%s". %s" when the file cannot be read or is refused for
// its kind or size (the picture size included), and libjpeg's message when
// its content is not a JPEG it can decode.
QImage loadJpeg(const QString& path);

} // namespace ejteto
