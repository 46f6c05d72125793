#pragma once
// JPEG encoding through libjpeg: the pictures of the installation and the
// frames of the lecture videos.
#include <QByteArray>
#include <QImage>
#include <QString>

namespace ejteto::contentkit {

// Baseline JPEG of `image` (any format; alpha is dropped) at `quality` 1..100.
// The same image always gives the same bytes.
QByteArray encodeJpeg(const QImage& image, int quality = 92);

void writeJpeg(const QString& path, const QImage& image, int quality = 92);

} // namespace ejteto::contentkit
