#include "accessibility/accessible_controls.h"

#include "controls/image_control.h"
#include "controls/label.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <type_traits>

namespace ejteto {

namespace {

// A control of ours as a screen reader sees it. `T` is Label or
// ImageControl: both press like a click and may lie covered by a panel.
template <class T>
class AccessibleControl : public QAccessibleWidget {
public:
    AccessibleControl(T* control, QAccessible::Role role) : QAccessibleWidget(control, role) {}

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (isCovered(widget()))
            s.invisible = true;
        if constexpr (std::is_same_v<T, ImageControl>) {
            if (control()->isCheckable()) {
                s.checkable = true;
                s.checked = control()->isChecked();
            }
        }
        return s;
    }

    QString text(QAccessible::Text t) const override
    {
        QString s = QAccessibleWidget::text(t);
        if constexpr (std::is_same_v<T, Label>) {
            // A label that names nothing else is named by its own text.
            if (t == QAccessible::Name && s.isEmpty())
                s = control()->text();
        }
        return s;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (pressable() && widget()->isEnabled())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& name) override
    {
        if (name != pressAction() || !pressable() || !widget()->isEnabled()) {
            QAccessibleWidget::doAction(name);
            return;
        }
        // Later, from the event loop, as a click would come: the screen
        // reader gets its answer before a recording holds the window.
        QPointer<T> target = control();
        QMetaObject::invokeMethod(
            target, [target] { if (target) target->press(); }, Qt::QueuedConnection);
    }

private:
    T* control() const { return static_cast<T*>(widget()); }
    bool pressable() const { return control()->isPressable(); }
};

QAccessibleInterface* describe(const QString&, QObject* object)
{
    if (auto* image = qobject_cast<ImageControl*>(object))
        return new AccessibleControl<ImageControl>(image, image->isPressable() ? QAccessible::Button
                                                                              : QAccessible::Graphic);
    if (auto* label = qobject_cast<Label*>(object); label && label->isPressable())
        return new AccessibleControl<Label>(label, label->pressRole() == PressRole::Link ? QAccessible::Link
                                                                                         : QAccessible::Button);
    return nullptr; // Qt's own description
}

} // namespace

void installAccessibleControls()
{
    static const bool installed = [] {
        QAccessible::installFactory(describe);
        return true;
    }();
    (void)installed;
}

} // namespace ejteto
