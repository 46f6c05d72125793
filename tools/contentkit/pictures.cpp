#include "contentkit/pictures.h"

#include "contentkit/palette.h"
#include "contentkit/vowels.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace ejteto::contentkit {

namespace {
// Long vowels, short vowels and diphthongs get slightly different blues, so
// the mosaic reads as three families without breaking into a patchwork.
QColor familyTint(int n)
{
    switch (n) {
    case 1:
    case 5:
    case 9:
    case 13:
    case 14:
        return QColor(0x1F, 0x4E, 0x9C); // long
    case 7:
    case 8:
    case 12:
    case 15:
    case 16:
        return QColor(0x3A, 0x2E, 0x8F); // diphthong
    default:
        return palette::practiceBlue(); // short
    }
}

QFont font(const QString& family, int pixelSize, bool bold = false)
{
    QFont f(family);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

// The largest size, up to `maxPx`, at which `text` fits in `width`.
QFont fittedFont(const QString& family, const QString& text, int maxPx, int width)
{
    for (int px = maxPx; px > 8; --px) {
        QFont f = font(family, px);
        if (QFontMetrics(f).horizontalAdvance(text) <= width)
            return f;
    }
    return font(family, 8);
}
} // namespace

QImage paintTile(int n, const QString& keyWord, bool selected)
{
    QImage img(kTileSize, kTileSize, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF all(0, 0, kTileSize, kTileSize);

    const QColor base = selected ? palette::amber() : familyTint(n);
    QLinearGradient g(0, 0, 0, kTileSize);
    g.setColorAt(0, base.lighter(selected ? 108 : 125));
    g.setColorAt(1, base.darker(selected ? 108 : 115));
    p.fillRect(all, g);

    const QColor ink = selected ? palette::practiceBlue() : palette::cream();
    const QColor accent = selected ? palette::windowBrown() : palette::lightBlue();
    p.setPen(QPen(accent, selected ? 3.0 : 1.0));
    const qreal inset = 4.5;
    p.drawRoundedRect(all.adjusted(inset, inset, -inset, -inset), 9, 9);

    p.setPen(accent);
    p.setFont(font(QStringLiteral("Liberation Sans"), 11, true));
    p.drawText(QRectF(11, 9, 40, 14), Qt::AlignLeft | Qt::AlignVCenter, QString::number(n));

    const QString symbol = vowelSymbol(n);
    p.setPen(ink);
    p.setFont(fittedFont(QStringLiteral("Gentium"), symbol, 52, kTileSize - 24));
    p.drawText(QRectF(0, 18, kTileSize, 58), Qt::AlignCenter, symbol);

    p.setPen(accent);
    p.setFont(fittedFont(QStringLiteral("Gentium Plus"), keyWord, 17, kTileSize - 22));
    p.drawText(QRectF(0, 76, kTileSize, 22), Qt::AlignCenter, keyWord);
    return img;
}

QImage paintSpeaker(SpeakerStyle style)
{
    QImage img(kSpeakerWidth, kSpeakerHeight, QImage::Format_RGB32);
    const bool blue = style == SpeakerStyle::PracticeBlue;
    img.fill(blue ? palette::practiceBlue() : palette::windowBrown());
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor body = palette::cream();
    const QColor waves = blue ? palette::amber() : palette::lightBlue();

    // Magnet and cone.
    QPainterPath cone;
    cone.moveTo(6, 12);
    cone.lineTo(11, 12);
    cone.lineTo(18, 6);
    cone.lineTo(18, 26);
    cone.lineTo(11, 20);
    cone.lineTo(6, 20);
    cone.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawPath(cone);

    // Two sound waves.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(waves, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(15, 10, 8, 12), -50 * 16, 100 * 16);
    p.drawArc(QRectF(14, 5, 16, 22), -50 * 16, 100 * 16);
    return img;
}

} // namespace ejteto::contentkit
