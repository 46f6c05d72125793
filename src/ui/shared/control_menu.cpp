#include "shared/control_menu.h"

#include "listening/listen_controls.h"
#include "ui/error_box.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QWidget>

namespace ejteto {

namespace {

// A menu line with its key in the menu's key column.
QString withKeys(const QString& text, const QString& keys) { return text + QLatin1Char('\t') + keys; }

} // namespace

ControlMenu::ControlMenu(const ListenControls& listening, const std::vector<ToolEntry>& tools)
    : listening_(listening), tools_(tools)
{
}

ControlMenu::~ControlMenu() { delete menu_; }

void ControlMenu::attach(QWidget* control)
{
    // The control's own context-menu event: a right click, or the Menu key
    // while it has the focus.
    control->setContextMenuPolicy(Qt::DefaultContextMenu);
    control->installEventFilter(this);
}

bool ControlMenu::eventFilter(QObject* watched, QEvent* e)
{
    auto* control = static_cast<QWidget*>(watched);
    if (e->type() == QEvent::ContextMenu) {
        auto* event = static_cast<QContextMenuEvent*>(e);
        const QPoint at = event->reason() == QContextMenuEvent::Mouse ? event->globalPos()
                                                                      : control->mapToGlobal(control->rect().center());
        popUp(control, at);
        return true;
    }
    if (e->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(e);
        if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier) {
            popUp(control, control->mapToGlobal(control->rect().center()));
            return true;
        }
    }
    return false;
}

void ControlMenu::popUp(QWidget* control, const QPoint& globalPosition)
{
    delete menu_;
    menu_ = new QMenu(control->window());
    menu_->setObjectName(QStringLiteral("ControlMenu"));
    menu_->setAttribute(Qt::WA_DeleteOnClose);
    const QPointer<QWidget> target(control);
    addLine(withKeys(QStringLiteral("Lassú lejátszás"), QStringLiteral("L, Shift+kattintás")), [this, target] {
        if (target)
            listening_.listen(target, ListenWay::Slow);
    });
    addLine(withKeys(QStringLiteral("Felvétel és összehasonlítás"), QStringLiteral("F, Ctrl+kattintás")),
            [this, target] {
                if (target)
                    listening_.listen(target, ListenWay::Compare);
            });
    if (!tools_.empty())
        menu_->addSeparator();
    for (const ToolEntry& tool : tools_)
        addLine(withKeys(tool.menuText, tool.key.toString(QKeySequence::NativeText)), tool.open);
    menu_->popup(globalPosition);
}

void ControlMenu::addLine(const QString& text, std::function<void()> work)
{
    // The work waits until the menu has closed and its own event is over:
    // a recording blocks, and the pumped events may bring the next menu,
    // which replaces this one.
    QObject::connect(menu_->addAction(text), &QAction::triggered, this, [this, work = std::move(work)] {
        QMetaObject::invokeMethod(this, guarded(work), Qt::QueuedConnection);
    });
}

} // namespace ejteto
