#include "tool_windows/trend_chart.h"

#include <QPainter>
#include <QPainterPath>
#include <QStringList>

namespace ejteto {

namespace {

constexpr int kMaxScore = 10;
// Only the latest tests fit the width; older ones would be a blur.
constexpr size_t kShownTests = 30;

} // namespace

TrendChart::TrendChart(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(240, 120);
    setAccessibleName(QStringLiteral("Teszteredmények"));
}

void TrendChart::setScores(int lesson, const std::vector<int>& scores)
{
    const size_t from = scores.size() > kShownTests ? scores.size() - kShownTests : 0;
    scores_.assign(scores.begin() + static_cast<long>(from), scores.end());
    QStringList figures;
    for (const int s : scores_)
        figures << QString::number(s);
    setAccessibleName(lesson > 0 ? QStringLiteral("Teszteredmények: %1. lecke").arg(lesson)
                                 : QStringLiteral("Teszteredmények"));
    setAccessibleDescription(scores_.empty() ? QStringLiteral("Nincs befejezett teszt.")
                                             : QStringLiteral("Időrendben, a 10-ből: ") +
                                                   figures.join(QStringLiteral(", ")) + QLatin1Char('.'));
    update();
}

void TrendChart::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRect area = rect().adjusted(28, 8, -8, -8);
    p.setPen(palette().color(QPalette::WindowText));
    for (const int mark : {0, 5, 10}) {
        const int y = area.bottom() - area.height() * mark / kMaxScore;
        p.drawText(QRect(0, y - 8, 24, 16), Qt::AlignRight | Qt::AlignVCenter, QString::number(mark));
        p.setPen(mark == 0 ? palette().color(QPalette::WindowText) : palette().color(QPalette::Mid));
        p.drawLine(area.left(), y, area.right(), y);
        p.setPen(palette().color(QPalette::WindowText));
    }
    if (scores_.empty())
        return;
    const auto pointOf = [&](size_t i) {
        const double x = scores_.size() == 1 ? area.center().x()
                                             : area.left() + area.width() * static_cast<double>(i) /
                                                                 static_cast<double>(scores_.size() - 1);
        return QPointF(x, area.bottom() - area.height() * static_cast<double>(scores_[i]) / kMaxScore);
    };
    QPainterPath line(pointOf(0));
    for (size_t i = 1; i < scores_.size(); ++i)
        line.lineTo(pointOf(i));
    p.setPen(QPen(palette().color(QPalette::Highlight), 2));
    p.drawPath(line);
    p.setBrush(palette().color(QPalette::Highlight));
    for (size_t i = 0; i < scores_.size(); ++i)
        p.drawEllipse(pointOf(i), 3, 3);
}

} // namespace ejteto
