#pragma once
// Decoding of the program's JPEG pictures (tiles, speakers) with libjpeg.
#include <QByteArrayView>
#include <QImage>
#include <QString>
#include <QStringList>

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

// Decodes pictures that will be loaded soon, ahead of time and on any
// thread: a later loadJpeg of a file whose bytes have not changed meanwhile
// takes the picture decoded here. A file that cannot be read or decoded is
// passed over; the load that needs it reports it then.
void decodeAhead(const QStringList& paths) noexcept;

} // namespace ejteto
