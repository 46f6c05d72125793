#include "ui/vowel_chart.h"

#include "content/vowel_symbols.h"
#include "fonts/layout_fonts.h"
#include "phonetics/auditory_scale.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace ejteto {

namespace {

// The frame holds every vowel of men, women and children.
constexpr double kLowestF1 = 200, kHighestF1 = 1200;
constexpr double kLowestF2 = 550, kHighestF2 = 3300;
const QColor kCourse(90, 90, 90);
const QColor kTarget(40, 53, 147);
const QColor kTake(176, 18, 10);

double scaled(double hz, bool bark) { return bark ? phonetics::hzToBark(hz) : hz; }

void arrow(QPainter& p, QPointF from, QPointF to)
{
    p.drawLine(from, to);
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    if (length < 1)
        return;
    const QPointF unit = d / length, normal(-unit.y(), unit.x());
    QPainterPath head;
    head.moveTo(to);
    head.lineTo(to - 8 * unit + 4 * normal);
    head.lineTo(to - 8 * unit - 4 * normal);
    head.closeSubpath();
    p.fillPath(head, p.pen().color());
}

} // namespace

VowelChart::VowelChart(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("VowelChart"));
    setAccessibleName(QStringLiteral("Magánhangzó-térkép"));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
}

void VowelChart::showCoach(const phonetics::VowelCoach* coach, int target, bool showTakes)
{
    coach_ = coach;
    target_ = target;
    showTakes_ = showTakes;
    update();
}

void VowelChart::setBark(bool bark)
{
    bark_ = bark;
    update();
}

QRectF VowelChart::plot() const { return QRectF(rect()).adjusted(34, 26, -12, -14); }

double VowelChart::across(double f2) const
{
    const double high = scaled(kHighestF2, bark_), low = scaled(kLowestF2, bark_);
    return std::clamp((high - scaled(f2, bark_)) / (high - low), 0.0, 1.0);
}

double VowelChart::down(double f1) const
{
    const double low = scaled(kLowestF1, bark_), high = scaled(kHighestF1, bark_);
    return std::clamp((scaled(f1, bark_) - low) / (high - low), 0.0, 1.0);
}

QPointF VowelChart::place(double f1, double f2) const
{
    const QRectF r = plot();
    return {r.left() + across(f2) * r.width(), r.top() + down(f1) * r.height()};
}

void VowelChart::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = plot();
    const QFont small = layoutFont(QStringLiteral("Arial"), -10);
    p.setFont(small);
    p.setPen(QColor(215, 215, 215));
    // Grid lines at round frequencies, labelled in Hz on either scale.
    for (double f2 : {600.0, 800.0, 1000.0, 1500.0, 2000.0, 2500.0, 3000.0}) {
        const double x = place(kLowestF1, f2).x();
        p.setPen(QColor(215, 215, 215));
        p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
        p.setPen(kCourse);
        p.drawText(QRectF(x - 20, r.top() - 14, 40, 12), Qt::AlignCenter, QString::number(f2, 'f', 0));
    }
    for (double f1 : {300.0, 400.0, 500.0, 600.0, 800.0, 1000.0}) {
        const double y = place(f1, kHighestF2).y();
        p.setPen(QColor(215, 215, 215));
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
        p.setPen(kCourse);
        p.drawText(QRectF(0, y - 6, r.left() - 4, 12), Qt::AlignRight | Qt::AlignVCenter, QString::number(f1, 'f', 0));
    }
    p.setPen(kCourse);
    p.drawRect(r);
    p.drawText(QRectF(r.left(), 0, r.width(), 12), Qt::AlignLeft,
               bark_ ? QStringLiteral("F2 (Hz, Bark-skálán) ←") : QStringLiteral("F2 (Hz) ←"));
    p.drawText(QRectF(0, 0, r.left(), 24), Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("F1 ↓"));

    if (!coach_ || !coach_->course())
        return;
    const double factor = coach_->scale();
    const QFont symbolFont = layoutFont(QStringLiteral("Gentium"), -15);
    const QFont targetFont = layoutFont(QStringLiteral("Gentium"), -17, true);
    for (int n = 1; n <= phonetics::kCourseVowelCount; ++n) {
        const phonetics::VowelMeasurement v = phonetics::scaled(coach_->course()->of(n), factor);
        const bool target = n == target_;
        p.setPen(QPen(target ? kTarget : kCourse, target ? 2 : 1));
        p.setFont(target ? targetFont : symbolFont);
        QPointF at = place(v.mid.f1, v.mid.f2);
        if (phonetics::isDiphthong(n)) {
            at = place(v.onset.f1, v.onset.f2);
            arrow(p, at, place(v.offset.f1, v.offset.f2));
        } else if (target) {
            p.drawEllipse(at, 5, 5);
        }
        const QString symbol = symbolText(n).mid(1).chopped(1);
        p.drawText(QRectF(at.x() - 30, at.y() - 22, 60, 20), Qt::AlignHCenter | Qt::AlignBottom, symbol);
    }

    if (!showTakes_)
        return;
    // The oldest first, so the latest take lies on top.
    const auto& takes = coach_->measuredTakes();
    for (auto it = takes.rbegin(); it != takes.rend(); ++it) {
        const bool latest = it == std::prev(takes.rend());
        QColor colour = kTake;
        colour.setAlphaF(latest ? 1.0 : 0.35);
        p.setPen(QPen(colour, latest ? 2.5 : 1.5));
        p.setBrush(colour);
        const phonetics::VowelMeasurement& t = it->analysis.vowel;
        if (phonetics::isDiphthong(it->target.sound)) {
            arrow(p, place(t.onset.f1, t.onset.f2), place(t.offset.f1, t.offset.f2));
        } else {
            p.drawEllipse(place(t.mid.f1, t.mid.f2), latest ? 5 : 3.5, latest ? 5 : 3.5);
        }
    }
}

} // namespace ejteto
