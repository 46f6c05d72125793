#include "controls/fonts.h"

#include <QFontMetricsF>
#include <QStringList>
#include <cmath>

namespace ejteto {

namespace {
QStringList familiesFor(const QString& family, bool bold)
{
    if (family == QLatin1String("Gentium")) {
        // The classic Gentium has no bold face; Gentium Plus has a real one.
        return bold ? QStringList{QStringLiteral("Gentium Plus"), QStringLiteral("Gentium")}
                    : QStringList{QStringLiteral("Gentium"), QStringLiteral("Gentium Plus")};
    }
    if (family == QLatin1String("Arial") || family == QLatin1String("MS Sans Serif"))
        return {family, QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    return {family};
}
} // namespace

int pixelSizeForCellHeight(const QFont& font, int cellHeight)
{
    QFont probe(font);
    constexpr int kProbe = 1000;
    probe.setPixelSize(kProbe);
    const QFontMetricsF m(probe);
    const qreal cell = m.ascent() + m.descent();
    if (cell <= 0)
        return cellHeight;
    return std::max(1, static_cast<int>(std::lround(cellHeight * kProbe / cell)));
}

QFont layoutFont(const QString& family, int height, bool bold, bool underline)
{
    QFont f;
    f.setFamilies(familiesFor(family, bold));
    f.setBold(bold);
    f.setUnderline(underline);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setPixelSize(height < 0 ? -height : pixelSizeForCellHeight(f, height));
    return f;
}

} // namespace ejteto
