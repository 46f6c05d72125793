// The window's own place in the fixed layout: its frame, size, colour and
// icon; its controls outside the module panels are window_controls'.
#include "app/color_value.h"
#include "controls/fixed_palette.h"
#include "controls/layout_widgets.h"
#include "fonts/layout_fonts.h"
#include "ui/form1.h"
#include "ui/pictures.h"
#include "window/window_controls.h"

#include <QGuiApplication>
#include <QScreen>

namespace ejteto {

void TForm1::createLayout()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Ejteto!"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(761, 541);
    setWindowIcon(applicationIcon());
    setFont(layoutFont(QStringLiteral("MS Sans Serif"), -11));
    // Set whole before any control exists, so no desktop palette reaches one.
    setPalette(fixedLightPalette());
    setPanelColor(this, colorFromValue(colors::Window));
    controls_ = std::make_unique<WindowControls>(createWindowControls(this, registries_.MosaicImages));

    // Centred on the desktop.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect avail = screen->availableGeometry();
        move(avail.center() - QPoint(width() / 2, height() / 2));
    }
}

} // namespace ejteto
