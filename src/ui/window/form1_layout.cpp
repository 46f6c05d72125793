// The window's own place in the fixed layout: its frame, size, colour and
// icon; its controls outside the module panels are window_controls'.
#include "app/color_value.h"
#include "controls/fixed_palette.h"
#include "controls/layout_widgets.h"
#include "fonts/layout_fonts.h"
#include "ui/pictures.h"
#include "window/window_controls.h"

#include <QWidget>

#include <QGuiApplication>
#include <QScreen>

namespace ejteto {

WindowControls layOutMainWindow(QWidget& window, MosaicTiles& mosaic)
{
    window.setObjectName(QStringLiteral("Form1"));
    window.setWindowTitle(QStringLiteral("Ejteto!"));
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    window.setFixedSize(761, 541);
    window.setWindowIcon(applicationIcon());
    window.setFont(layoutFont(QStringLiteral("MS Sans Serif"), -11));
    // Set whole before any control exists, so no desktop palette reaches one.
    window.setPalette(fixedLightPalette());
    setPanelColor(&window, colorFromValue(colors::Window));
    WindowControls controls = createWindowControls(&window, mosaic);

    // Centred on the desktop.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect avail = screen->availableGeometry();
        window.move(avail.center() - QPoint(window.width() / 2, window.height() / 2));
    }
    return controls;
}

} // namespace ejteto
