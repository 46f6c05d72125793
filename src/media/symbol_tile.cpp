#include "media/symbol_tile.h"

#include "content/vowel_symbols.h"
#include "media/flood_fill.h"

#include <QFontMetrics>
#include <QPainter>

namespace ejteto {

QFont symbolTileFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Gentium"), QStringLiteral("Gentium Plus")});
    font.setPixelSize(43);
    font.setWeight(QFont::Normal);
    font.setStyle(QFont::StyleNormal);
    return font;
}

QImage makeSymbolTile(QSize size, QColor background, QColor textColor, int soundId)
{
    // A fresh picture is all white; filling the white area around (1, 1)
    // then turns the whole tile into the background.
    QImage tile(size, QImage::Format_RGB32);
    if (tile.isNull())
        return tile;
    tile.fill(Qt::white);
    floodFill(tile, QPoint(1, 1), Qt::white, background);

    const QString text = symbolText(soundId);
    if (text.isEmpty())
        return tile;

    QPainter painter(&tile);
    const QFont font = symbolTileFont();
    painter.setFont(font);
    const QFontMetrics metrics(font, &tile);
    // Opaque text output: the character cells are painted in the background
    // colour behind the glyphs.
    painter.fillRect(QRect(0, 0, metrics.horizontalAdvance(text), metrics.height()), background);
    painter.setPen(textColor);
    painter.drawText(QPoint(0, metrics.ascent()), text);
    return tile;
}

} // namespace ejteto
