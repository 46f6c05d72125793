#include "ui/tool_window.h"

#include "controls/fixed_palette.h"
#include "ui/pictures.h"

#include <QGuiApplication>
#include <QScreen>

namespace ejteto {

ToolWindow::ToolWindow(const QString& objectName, const QString& title, QWidget* parent, Qt::WindowFlags extraFlags)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint | extraFlags)
{
    setObjectName(objectName);
    setWindowTitle(title);
    setAccessibleName(title);
    setWindowIcon(applicationIcon());
    // The whole palette is the program's own: the desktop's dark themes must
    // not turn dark texts light on the light backgrounds.
    setPalette(fixedLightPalette());
    setAutoFillBackground(true);
}

void ToolWindow::showOver(QWidget* mainWindow)
{
    if (isVisible())
        return;
    if (!placed_)
        centreOver(mainWindow);
    else
        move(lastPosition_); // the window manager may forget a hidden window's place
    show();
    raise();
    activateWindow();
}

void ToolWindow::closeByKey() { hide(); }

void ToolWindow::helpByKey()
{
    if (openHelp_)
        openHelp_();
}

void ToolWindow::centreOver(QWidget* mainWindow)
{
    QRect over;
    if (mainWindow)
        over = mainWindow->frameGeometry();
    else if (const QScreen* s = QGuiApplication::primaryScreen())
        over = s->availableGeometry();
    else
        return;
    QSize own = frameGeometry().size();
    // Before its first showing the window's frame is not known yet; take it
    // to be as wide as the main window's.
    if (mainWindow && own == size())
        own += mainWindow->frameGeometry().size() - mainWindow->size();
    move(over.x() + (over.width() - own.width()) / 2, over.y() + (over.height() - own.height()) / 2);
}

void ToolWindow::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    placed_ = true;
}

void ToolWindow::hideEvent(QHideEvent* e)
{
    lastPosition_ = pos();
    QWidget::hideEvent(e);
}

} // namespace ejteto
