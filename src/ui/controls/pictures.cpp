#include "ui/pictures.h"

#include "app/color_value.h"
#include "fonts/layout_fonts.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>
#include <QResource>
#include <cstring>

namespace ejteto {

namespace {

QImage transparentCanvas(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void beginSmooth(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

// Draws `text` centred in `box`, in a font shrunk until the text fits the box's width.
void drawFittedText(QPainter& p, const QRectF& box, const QString& text, QFont font)
{
    while (font.pixelSize() > 6 && QFontMetricsF(font).horizontalAdvance(text) > box.width())
        font.setPixelSize(font.pixelSize() - 1);
    p.setFont(font);
    p.drawText(box, Qt::AlignCenter, text);
}

} // namespace

namespace {

// The build's bare pixels of the emblem at one size: no image decoder (and
// none of Qt's image plugins) is woken at start for them.
QImage embeddedEmblem(int size)
{
    const QResource resource(QStringLiteral(":/emblem/%1.argb").arg(size));
    const QByteArray pixels = resource.uncompressedData();
    if (pixels.size() != qsizetype(size) * size * 4)
        return {};
    QImage image(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y)
        std::memcpy(image.scanLine(y), pixels.constData() + qsizetype(y) * size * 4, size_t(size) * 4);
    return image;
}

} // namespace

QIcon applicationIcon()
{
    // The emblem as the build painted it for the installed icons: the same
    // pixels, with no painting and no font at start.
    static const QImage large = embeddedEmblem(32);
    static const QImage small = embeddedEmblem(16);
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(large));
    icon.addPixmap(QPixmap::fromImage(small));
    return icon;
}

QImage informationSign()
{
    QImage image = transparentCanvas(24, 24);
    QPainter p(&image);
    beginSmooth(p);
    QRadialGradient shade(QPointF(9, 8), 15);
    shade.setColorAt(0, QColor(0x5B, 0x9B, 0xEE));
    shade.setColorAt(1, QColor(0x17, 0x4A, 0xA6));
    p.setPen(QPen(QColor(0x12, 0x3B, 0x86), 1.0));
    p.setBrush(shade);
    p.drawEllipse(QRectF(0.5, 0.5, 23, 23));

    // The letter is built from shapes, so it stays sharp at this size.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(12, 6.5), 2.0, 2.0);
    p.drawRoundedRect(QRectF(10.5, 10, 3, 9), 0.6, 0.6);
    return image;
}

QImage loudspeakerPicture()
{
    QImage image = transparentCanvas(36, 25);
    QPainter p(&image);
    beginSmooth(p);
    const QColor cream = colorFromValue(colors::Cream);

    QPainterPath speaker;
    speaker.addRect(QRectF(3, 9, 6, 7));
    QPolygonF cone;
    cone << QPointF(9, 9) << QPointF(16, 3) << QPointF(16, 22) << QPointF(9, 16);
    speaker.addPolygon(cone);
    speaker.closeSubpath();
    p.setPen(QPen(cream, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(cream);
    p.drawPath(speaker.simplified());

    // Three waves spreading to the right, fading as they go.
    const QPointF mouth(16, 12.5);
    const int alphas[] = {255, 215, 165};
    const qreal radii[] = {5.0, 9.5, 14.0};
    for (int i = 0; i < 3; ++i) {
        QColor wave = cream;
        wave.setAlpha(alphas[i]);
        p.setPen(QPen(wave, 2.0, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        const qreal r = radii[i];
        p.drawArc(QRectF(mouth.x() - r, mouth.y() - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
    }
    return image;
}

QImage licenceBadge()
{
    QImage image(88, 31, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QPainter p(&image);
    beginSmooth(p);

    // The familiar 88 x 31 button: a grey plate in a black frame, a black
    // band along the bottom, a round seal on the left.
    QLinearGradient plate(0, 1, 0, 19);
    plate.setColorAt(0, QColor(0xD2, 0xD6, 0xCF));
    plate.setColorAt(1, QColor(0xA8, 0xAD, 0xA5));
    p.fillRect(QRect(1, 1, 86, 18), plate);

    p.setPen(QPen(Qt::black, 2.0));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(3, 3, 25, 25));
    p.setPen(Qt::black);
    drawFittedText(p, QRectF(5, 9, 21, 13), QStringLiteral("GPL"), layoutFont(QStringLiteral("Arial"), -9, true));

    // "GPLv3" on the plate, with the version in red.
    const QFont title = layoutFont(QStringLiteral("Arial"), -14, true);
    const QFontMetricsF tm(title);
    const QString name = QStringLiteral("GPL");
    const QString version = QStringLiteral("v3");
    const qreal width = tm.horizontalAdvance(name + version);
    const QRectF titleBox(31, 1, 56, 18);
    const qreal x = titleBox.left() + (titleBox.width() - width) / 2;
    const qreal baseline = titleBox.top() + (titleBox.height() + tm.ascent() - tm.descent()) / 2;
    p.setFont(title);
    p.setPen(Qt::black);
    p.drawText(QPointF(x, baseline), name);
    p.setPen(QColor(0xA4, 0x1E, 0x22));
    p.drawText(QPointF(x + tm.horizontalAdvance(name), baseline), version);

    p.setPen(Qt::white);
    drawFittedText(p, QRectF(31, 19, 56, 11), QStringLiteral("free software"),
                   layoutFont(QStringLiteral("Arial"), -8, true));
    return image;
}

} // namespace ejteto
