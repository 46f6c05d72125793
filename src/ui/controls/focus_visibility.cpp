#include "controls/focus_visibility.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace ejteto {

namespace {

bool keysUsed = false;

// Qt's own styles draw a button's focus frame only in a window marked as
// reached by the keyboard; the mark follows the same rule as our frames.
void markWindows(bool visible)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        w->setAttribute(Qt::WA_KeyboardFocusChange, visible);
    if (QWidget* focus = QApplication::focusWidget())
        focus->update();
}

bool isModifierOnly(int key)
{
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta ||
           key == Qt::Key_AltGr;
}

class FocusVisibilityWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        // A key Qt passes on to the parents is seen again here: the same
        // press, and the same answer.
        if (!watched->isWidgetType())
            return false;
        switch (e->type()) {
        case QEvent::KeyPress:
            if (!keysUsed && !isModifierOnly(static_cast<QKeyEvent*>(e)->key())) {
                keysUsed = true;
                markWindows(true);
            }
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (keysUsed) {
                keysUsed = false;
                markWindows(false);
            }
            break;
        default:
            break;
        }
        return false;
    }
};

} // namespace

void watchFocusVisibility()
{
    static FocusVisibilityWatch* watch = nullptr;
    if (watch || !qApp)
        return;
    watch = new FocusVisibilityWatch(qApp);
    qApp->installEventFilter(watch);
}

bool focusVisible(const QWidget* control) { return keysUsed && control->hasFocus(); }

bool keyboardInUse() { return keysUsed; }

} // namespace ejteto
