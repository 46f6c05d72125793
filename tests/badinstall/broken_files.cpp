#include "badinstall/broken_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSize>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace ejteto::testing {

namespace {
QByteArray bytesOf(const TinyInstall& install, const QString& file)
{
    QFile f(install.file(file));
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + file.toStdString());
    return f.readAll();
}

void removeFile(const TinyInstall& install, const QString& file)
{
    const QString path = install.file(file);
    if (QFileInfo(path).isDir())
        QDir(path).removeRecursively();
    else
        QFile::remove(path);
}

QByteArray native(const TinyInstall& install, const QString& file) { return QFile::encodeName(install.file(file)); }
} // namespace

QByteArray garbageBytes()
{
    QByteArray bytes = "\x89PNG\r\n\x1a\n";
    for (int i = 0; i < 4096; ++i)
        bytes += char((i * 7919 + 13) % 251);
    return bytes;
}

Breaker missing(const QString& file)
{
    return [file](const TinyInstall& i) { removeFile(i, file); };
}

Breaker emptied(const QString& file)
{
    return [file](const TinyInstall& i) { i.writeText(file, QByteArray()); };
}

Breaker truncated(const QString& file)
{
    return [file](const TinyInstall& i) {
        const QByteArray whole = bytesOf(i, file);
        i.writeText(file, whole.left(whole.size() / 2));
    };
}

Breaker replacedBy(const QString& file, const QByteArray& bytes)
{
    return [file, bytes](const TinyInstall& i) { i.writeText(file, bytes); };
}

Breaker folderInstead(const QString& file)
{
    return [file](const TinyInstall& i) {
        removeFile(i, file);
        if (!QDir().mkpath(i.file(file)))
            throw std::runtime_error("cannot make folder " + file.toStdString());
    };
}

Breaker fifoInstead(const QString& file)
{
    return [file](const TinyInstall& i) {
        removeFile(i, file);
        if (::mkfifo(native(i, file).constData(), 0644) != 0)
            throw std::runtime_error("cannot make FIFO " + file.toStdString());
    };
}

Breaker linkToDevZero(const QString& file)
{
    return [file](const TinyInstall& i) {
        removeFile(i, file);
        if (::symlink("/dev/zero", native(i, file).constData()) != 0)
            throw std::runtime_error("cannot link " + file.toStdString());
    };
}

Breaker huge(const QString& file, qint64 bytes)
{
    return [file, bytes](const TinyInstall& i) {
        QFile f(i.file(file));
        if (!f.open(QIODevice::ReadWrite) || !f.resize(bytes))
            throw std::runtime_error("cannot grow " + file.toStdString());
    };
}

Breaker longRecording(const QString& file, qint64 bytes, qint64 declaredBytes)
{
    return [file, bytes, declaredBytes](const TinyInstall& i) {
        const auto le32 = [](quint32 v) {
            QByteArray b(4, '\0');
            for (int k = 0; k < 4; ++k)
                b[k] = char(v >> (8 * k));
            return b;
        };
        const auto le16 = [&](quint16 v) { return le32(v).left(2); };
        const quint32 data = quint32(std::min<qint64>(declaredBytes, 0xFFFFFFFFll - 36));
        const QByteArray header = "RIFF" + le32(data + 36) + "WAVEfmt " + le32(16) + le16(1) + le16(1) + le32(22050) +
                                  le32(44100) + le16(2) + le16(16) + "data" + le32(data);
        QFile f(i.file(file));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(header) != header.size() || !f.resize(bytes))
            throw std::runtime_error("cannot write " + file.toStdString());
    };
}

Breaker unreadable(const QString& file)
{
    return [file](const TinyInstall& i) { ::chmod(native(i, file).constData(), 0); };
}

Breaker lyingPictureHeader(const QString& file)
{
    return [file](const TinyInstall& i) {
        i.writeJpeg(file, QSize(8, 8), QColor(Qt::gray));
        QByteArray bytes = bytesOf(i, file);
        const qsizetype sof = bytes.indexOf("\xFF\xC0");
        if (sof < 0)
            throw std::runtime_error("no frame header in " + file.toStdString());
        for (qsizetype at : {sof + 5, sof + 7}) { // height and width, big-endian
            bytes[at] = char(0x6E);
            bytes[at + 1] = char(0x00);
        }
        i.writeText(file, bytes);
    };
}

Breaker both(Breaker first, Breaker second)
{
    return [first, second](const TinyInstall& i) {
        first(i);
        second(i);
    };
}

} // namespace ejteto::testing
