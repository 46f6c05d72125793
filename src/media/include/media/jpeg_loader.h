#pragma once
// Decoding of the program's JPEG pictures (tiles, speakers) with libjpeg.
#include <QImage>
#include <QString>
#include <QStringList>

namespace ejteto {

// Decodes the JPEG file at `path` into a 32-bit RGB image. Colour, grayscale
// and CMYK pictures are accepted. Raises AppError: "Cannot open file "%s". %s"
// when the file cannot be read, and libjpeg's own message when its content
// is not a JPEG it can decode.
QImage loadJpeg(const QString& path);

// Decodes pictures that will be loaded soon, ahead of time and on any
// thread: a later loadJpeg of a file whose bytes have not changed meanwhile
// takes the picture decoded here. A file that cannot be read or decoded is
// passed over; the load that needs it reports it then.
void decodeAhead(const QStringList& paths) noexcept;

} // namespace ejteto
