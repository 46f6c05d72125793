#include "media/picture_word.h"

#include <QFile>
#include <QFileInfo>

namespace ejteto {

namespace {
constexpr QByteArrayView kWordComment = "Word: ";
// Comments come before the image data, in the first few hundred bytes of a
// tile; a header longer than this records no word.
constexpr qint64 kHeaderBytes = 64 * 1024;
} // namespace

QString pictureWord(QByteArrayView jpeg)
{
    const auto byteAt = [&](qsizetype i) { return static_cast<unsigned char>(jpeg[i]); };
    if (jpeg.size() < 4 || byteAt(0) != 0xFF || byteAt(1) != 0xD8)
        return {};
    qsizetype at = 2;
    while (at + 4 <= jpeg.size()) {
        if (byteAt(at) != 0xFF)
            return {};
        const unsigned char marker = byteAt(at + 1);
        if (marker == 0xFF) { // fill byte
            ++at;
            continue;
        }
        if (marker == 0xDA || marker == 0xD9) // image data, or the end
            return {};
        const qsizetype length = (qsizetype(byteAt(at + 2)) << 8) | byteAt(at + 3);
        if (length < 2 || at + 2 + length > jpeg.size())
            return {};
        const QByteArrayView body = jpeg.sliced(at + 4, length - 2);
        if (marker == 0xFE && body.startsWith(kWordComment))
            return QString::fromUtf8(body.sliced(kWordComment.size())).trimmed();
        at += 2 + length;
    }
    return {};
}

QString pictureWordOfFile(const QString& path)
{
    // Never a device or a pipe, whose reading could hold the window.
    if (!QFileInfo(path).isFile())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return pictureWord(file.read(kHeaderBytes));
}

} // namespace ejteto
