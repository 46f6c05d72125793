#include "ui/controls/pressable.h"

#include <QAccessible>
#include <QPainter>
#include <QVariant>
#include <QWidget>

namespace ejteto {

namespace {
constexpr char kCoveredProperty[] = "ejtetoCovered";
}

void paintFocusFrame(QWidget* control)
{
    QPainter p(control);
    const QRect r = control->rect();
    p.setPen(QPen(Qt::white, 1));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.setPen(QPen(Qt::black, 1));
    p.drawRect(r.adjusted(1, 1, -2, -2));
}

void setCovered(QWidget* control, bool covered, Qt::FocusPolicy reachableBy)
{
    control->setProperty(kCoveredProperty, covered);
    control->setFocusPolicy(covered ? Qt::NoFocus : reachableBy);
    QAccessible::State changed;
    changed.invisible = true;
    QAccessibleStateChangeEvent event(control, changed);
    QAccessible::updateAccessibility(&event);
}

bool isCovered(const QWidget* control) { return control->property(kCoveredProperty).toBool(); }

} // namespace ejteto
