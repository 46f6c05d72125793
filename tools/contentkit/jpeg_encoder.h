#pragma once
// JPEG encoding through libjpeg: the pictures of the installation and the
// frames of the lecture videos.
#include <QByteArray>
#include <QImage>
#include <QString>

namespace ejteto::contentkit {

// Baseline JPEG of `image` (any format; alpha is dropped) at `quality` 1..100.
// The same image always gives the same bytes. A `comment` is stored as the
// picture's comment marker (the tiles record their word there: "Word: sheep").
QByteArray encodeJpeg(const QImage& image, int quality = 92, const QByteArray& comment = {});

void writeJpeg(const QString& path, const QImage& image, int quality = 92);

} // namespace ejteto::contentkit
