// Writes the installed icons of the program into a hicolor icon tree: PNGs
// from 16 to 256 pixels and a scalable SVG, all painted by the routine that
// paints the window icon. The 16 and 32 pixel files are the window icon's
// own pixels; the other sizes keep the full colours and smooth edges.
// Those two are also written as bare pixels (window/16.argb, window/32.argb:
// rows of 32-bit ARGB words, top to bottom), which the program embeds and
// shows as its window icon without any image decoder.
// Usage: ejteto_icon_writer <icon name> <output folder>
#include "ui/emblem.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <cstdio>

namespace {

bool writePng(const QString& root, const QString& name, int size)
{
    const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(root).arg(size);
    const QImage image =
        size == 16 || size == 32 ? ejteto::applicationIconImage(size) : ejteto::applicationIconArtwork(size);
    return QDir().mkpath(folder) && image.save(folder + QLatin1Char('/') + name + QStringLiteral(".png"), "PNG");
}

bool writeWindowPixels(const QString& root, int size)
{
    const QString folder = root + QStringLiteral("/window");
    const QImage image = ejteto::applicationIconImage(size).convertToFormat(QImage::Format_ARGB32);
    QFile file(QStringLiteral("%1/%2.argb").arg(folder).arg(size));
    if (!QDir().mkpath(folder) || !file.open(QIODevice::WriteOnly))
        return false;
    const qint64 rowBytes = qint64(size) * 4;
    for (int y = 0; y < size; ++y) {
        if (file.write(reinterpret_cast<const char*>(image.constScanLine(y)), rowBytes) != rowBytes)
            return false;
    }
    return true;
}

bool writeSvg(const QString& root, const QString& name)
{
    const QString folder = root + QStringLiteral("/hicolor/scalable/apps");
    if (!QDir().mkpath(folder))
        return false;
    // The large variant, drawn on a 256-unit canvas.
    constexpr int size = 256;
    QBuffer content;
    QSvgGenerator svg;
    svg.setOutputDevice(&content);
    svg.setSize(QSize(size, size));
    svg.setViewBox(QRect(0, 0, size, size));
    svg.setTitle(QStringLiteral("Ejteto!"));
    svg.setDescription(QStringLiteral("Az Ejteto! ikonja"));
    QPainter p;
    if (!p.begin(&svg))
        return false;
    p.setRenderHint(QPainter::Antialiasing, true);
    ejteto::paintApplicationEmblem(p, size);
    if (!p.end())
        return false;
    // The generator gives the size in millimetres; icon themes expect pixels.
    QString text = QString::fromUtf8(content.data());
    text.replace(QRegularExpression(QStringLiteral(R"(<svg width="[^"]*" height="[^"]*")")),
                 QStringLiteral(R"(<svg width="%1" height="%1")").arg(size));
    QFile file(folder + QLatin1Char('/') + name + QStringLiteral(".svg"));
    const QByteArray bytes = text.toUtf8();
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv); // the letter needs the font database
    if (argc != 3) {
        std::fprintf(stderr, "usage: ejteto_icon_writer <icon name> <output folder>\n");
        return 2;
    }
    const QString name = QString::fromLocal8Bit(argv[1]);
    const QString root = QString::fromLocal8Bit(argv[2]);
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        if (!writePng(root, name, size)) {
            std::fprintf(stderr, "ejteto_icon_writer: cannot write the %d pixel icon into %s\n", size, argv[2]);
            return 1;
        }
    }
    for (int size : {16, 32}) {
        if (!writeWindowPixels(root, size)) {
            std::fprintf(stderr, "ejteto_icon_writer: cannot write the %d pixel window icon into %s\n", size, argv[2]);
            return 1;
        }
    }
    if (!writeSvg(root, name)) {
        std::fprintf(stderr, "ejteto_icon_writer: cannot write the scalable icon into %s\n", argv[2]);
        return 1;
    }
    return 0;
}
