#include "fonts/layout_fonts.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace ejteto {

namespace {
bool isSansFamily(const QString& family)
{
    return family == QLatin1String("Arial") || family == QLatin1String("MS Sans Serif");
}
} // namespace

QStringList layoutFamilies(const QString& family, bool bold)
{
    if (family == QLatin1String("Gentium")) {
        // The classic Gentium has no bold face; Gentium Plus has a real one.
        return bold ? QStringList{QStringLiteral("Gentium Plus"), QStringLiteral("Gentium")}
                    : QStringList{QStringLiteral("Gentium"), QStringLiteral("Gentium Plus")};
    }
    if (isSansFamily(family))
        return {family, QStringLiteral("Liberation Sans")};
    return {family};
}

bool hasLayoutFamily(const QString& family, bool bold)
{
    return layoutFamilies(family, bold).contains(QFontInfo(layoutFont(family, -13, bold)).family());
}

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
    QStringList families = layoutFamilies(family, bold);
    if (isSansFamily(family))
        families << QStringLiteral("DejaVu Sans"); // the last resort: readable, if wider
    f.setFamilies(families);
    f.setBold(bold);
    f.setUnderline(underline);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setPixelSize(height < 0 ? -height : pixelSizeForCellHeight(f, height));
    return f;
}

QSize singleLineTextSize(const QFont& font, const QString& text)
{
    const QFontMetrics fm(font);
    if (text.isEmpty())
        return QSize(0, fm.height());
    // One layout of the text gives both the height and the inked width.
    const QRect r = fm.boundingRect(QRect(0, 0, 100000, 100000), 0, text);
    return QSize(std::max(fm.horizontalAdvance(text), r.width()), r.height());
}

int singleLineTextWidth(const QFont& font, const QString& text) { return singleLineTextSize(font, text).width(); }

} // namespace ejteto
