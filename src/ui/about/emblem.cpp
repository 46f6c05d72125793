#include "ui/emblem.h"

#include "app/color_value.h"
#include "fonts/layout_fonts.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace ejteto {

namespace {

QRgb mix(QColor a, QColor b, double t)
{
    return qRgb(static_cast<int>(a.red() + (b.red() - a.red()) * t + 0.5),
                static_cast<int>(a.green() + (b.green() - a.green()) * t + 0.5),
                static_cast<int>(a.blue() + (b.blue() - a.blue()) * t + 0.5));
}

} // namespace

// The emblem uses the main window's colours: its dark background, the amber
// of the title and the cream of the texts.
QList<QRgb> applicationIconColorTable()
{
    const QColor dark = colorFromValue(colors::Window);
    const QColor amber = colorFromValue(colors::Amber);
    const QColor cream = colorFromValue(colors::Cream);
    const QColor shadow = dark.darker(170);
    QList<QRgb> table{qRgba(0, 0, 0, 0), shadow.rgb(), dark.rgb(), amber.rgb(), cream.rgb()};
    // Blends between the three colours, for the antialiased edges.
    for (double t : {0.25, 0.5, 0.75})
        table << mix(dark, amber, t);
    for (double t : {0.33, 0.67})
        table << mix(amber, cream, t);
    for (double t : {0.25, 0.5, 0.75})
        table << mix(dark, cream, t);
    table << mix(shadow, dark, 0.5) << amber.darker(125).rgb() << qRgb(255, 255, 255);
    return table; // 16 entries
}

void paintApplicationEmblem(QPainter& p, int size)
{
    const QColor dark = colorFromValue(colors::Window);
    const QColor amber = colorFromValue(colors::Amber);
    const QColor cream = colorFromValue(colors::Cream);
    // Drawn on a 32-unit grid. Below 24 pixels the dark plate is left out
    // and the bubble fills the icon, so the letter stays readable.
    const bool small = size < 24;
    const qreal u = size / (small ? 16.0 : 32.0);
    p.save();
    p.scale(u, u);

    QRectF body;
    QPolygonF tail;
    QFont letter;
    if (small) {
        body = QRectF(0.5, 0.5, 15, 11.5);
        tail << QPointF(2.5, 10) << QPointF(7, 11) << QPointF(1, 15.5);
        letter = layoutFont(QStringLiteral("Gentium"), -12, true);
    } else {
        p.setPen(QPen(dark.darker(170), 1.0));
        p.setBrush(dark);
        p.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 6, 6);
        body = QRectF(3, 3, 26, 20);
        tail << QPointF(8, 20) << QPointF(15, 21) << QPointF(6, 29);
        letter = layoutFont(QStringLiteral("Gentium"), -21, true);
    }
    QPainterPath bubble;
    bubble.addRoundedRect(body, body.height() * 0.4, body.height() * 0.4);
    QPainterPath tailPath;
    tailPath.addPolygon(tail);
    tailPath.closeSubpath();
    bubble = bubble.united(tailPath);
    p.setPen(QPen(amber, small ? 1.0 : 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(cream);
    p.drawPath(bubble);

    // The letter as an outline, centred as text is in a box, so a scalable
    // copy of the emblem does not depend on the viewer's fonts.
    const QString text = QStringLiteral("æ");
    const QRectF box = body.adjusted(0, -1, 0, -1);
    const QFontMetricsF metrics(letter);
    const QPointF baseline(box.center().x() - metrics.horizontalAdvance(text) / 2,
                           box.center().y() + (metrics.ascent() - metrics.descent()) / 2);
    QPainterPath glyph;
    glyph.addText(baseline, letter, text);
    p.fillPath(glyph, dark);
    p.restore();
}

QImage applicationIconArtwork(int size)
{
    QImage canvas(size, size, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    paintApplicationEmblem(p, size);
    return canvas;
}

QImage applicationIconImage(int size)
{
    // Reduced to the 16-colour table, like the classic icon formats, and back.
    const QImage indexed = applicationIconArtwork(size)
                               .convertToFormat(QImage::Format_ARGB32)
                               .convertToFormat(QImage::Format_Indexed8, applicationIconColorTable(),
                                                Qt::ThresholdDither | Qt::AvoidDither);
    return indexed.convertToFormat(QImage::Format_ARGB32);
}

} // namespace ejteto
