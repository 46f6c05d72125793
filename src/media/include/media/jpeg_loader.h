#pragma once
// Decoding of the program's JPEG pictures (tiles, speakers) with libjpeg.
#include <QImage>
#include <QString>

namespace ejteto {

// Decodes the JPEG file at `path` into a 32-bit RGB image. Colour, grayscale
// and CMYK pictures are accepted. Raises AppError: "Cannot open file "%s". %s"
// when the file cannot be read, and libjpeg's own message when its content
// is not a JPEG it can decode.
QImage loadJpeg(const QString& path);

} // namespace ejteto
