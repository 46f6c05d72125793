#include "accessibility/accessible_controls.h"

#include "ui/spoken_notice.h"

#include "ui/controls/image_control.h"
#include "ui/controls/label.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <type_traits>

namespace ejteto {

namespace {

// A control of ours as a screen reader sees it. `T` is Label or
// ImageControl: both press like a click and may lie covered by a panel.
// What a control is may be decided after Qt first described it (a label is
// made pressable once it exists), so every answer is worked out anew.
template <class T>
class AccessibleControl : public QAccessibleWidget {
public:
    explicit AccessibleControl(T* control) : QAccessibleWidget(control) {}

    QAccessible::Role role() const override
    {
        if (control()->isPressable()) {
            if constexpr (std::is_same_v<T, Label>)
                return control()->pressRole() == PressRole::Link ? QAccessible::Link : QAccessible::Button;
            return QAccessible::Button;
        }
        return std::is_same_v<T, Label> ? QAccessible::StaticText : QAccessible::Graphic;
    }

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

    QList<std::pair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override
    {
        auto found = QAccessibleWidget::relations(match);
        if constexpr (std::is_same_v<T, Label>) {
            // A caption labels the list or box it stands over.
            if ((match & QAccessible::Labelled) && control()->buddy())
                found.append({QAccessible::queryAccessibleInterface(control()->buddy()), QAccessible::Labelled});
        }
        return found;
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
            target,
            [target] {
                if (target)
                    target->press();
            },
            Qt::QueuedConnection);
    }

private:
    T* control() const { return static_cast<T*>(widget()); }
    bool pressable() const { return control()->isPressable(); }
};

// The window's announcements: a notification whose name is what to say.
class AccessibleNotice : public QAccessibleWidget {
public:
    explicit AccessibleNotice(SpokenNotice* notice) : QAccessibleWidget(notice, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<SpokenNotice*>(widget())->lastNotice();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* describe(const QString&, QObject* object)
{
    if (auto* notice = qobject_cast<SpokenNotice*>(object))
        return new AccessibleNotice(notice);
    if (auto* image = qobject_cast<ImageControl*>(object))
        return new AccessibleControl<ImageControl>(image);
    if (auto* label = qobject_cast<Label*>(object))
        return new AccessibleControl<Label>(label);
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
