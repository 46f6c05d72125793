#include "ui/tool_window.h"

#include "controls/fixed_palette.h"
#include "ui/pictures.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace ejteto {

QPoint placeBeside(const QRect& main, const QSize& tool, const QRect& screen)
{
    // Slid along the side it lies on until it is inside the screen.
    const auto alongX = [&](int x) { return std::max(screen.left(), std::min(x, screen.right() + 1 - tool.width())); };
    const auto alongY = [&](int y) { return std::max(screen.top(), std::min(y, screen.bottom() + 1 - tool.height())); };
    if (main.right() + 1 + tool.width() <= screen.right() + 1)
        return {main.right() + 1, alongY(main.top())};
    if (main.bottom() + 1 + tool.height() <= screen.bottom() + 1)
        return {alongX(main.left()), main.bottom() + 1};
    if (main.left() - tool.width() >= screen.left())
        return {main.left() - tool.width(), alongY(main.top())};
    if (main.top() - tool.height() >= screen.top())
        return {alongX(main.left()), main.top() - tool.height()};
    return {alongX(screen.right() + 1 - tool.width()), alongY(main.top())};
}

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
        placeFirst(mainWindow);
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

void ToolWindow::placeFirst(QWidget* mainWindow)
{
    const QScreen* screen = mainWindow ? mainWindow->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect free = screen->availableGeometry();
    if (!mainWindow) {
        move(free.center() - QPoint(width() / 2, height() / 2));
        return;
    }
    const QRect main = mainWindow->frameGeometry();
    QSize own = frameGeometry().size();
    // Before its first showing the window's frame is not known yet; take it
    // to be as wide as the main window's.
    if (own == size())
        own += main.size() - mainWindow->size();
    if (centreFirst_)
        move(main.x() + (main.width() - own.width()) / 2, main.y() + (main.height() - own.height()) / 2);
    else
        move(placeBeside(main, own, free));
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
