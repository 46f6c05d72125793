#include "app/screen_fit.h"

#include <QLocale>
#include <cmath>

namespace ejteto {

namespace {
// The window manager's title bar and frame, in logical pixels.
constexpr int kFrameWidth = 12;
constexpr int kFrameHeight = 40;
constexpr double kStep = 0.05;
constexpr double kSmallest = 0.5;

QString scaleText(double scale) { return QString::number(scale, 'g', 3); }
} // namespace

std::optional<double> fittingScale(QSize windowSize, QSize availablePixels, double scale)
{
    if (windowSize.isEmpty() || availablePixels.isEmpty() || scale <= 0)
        return std::nullopt;
    const double needWidth = windowSize.width() + kFrameWidth;
    const double needHeight = windowSize.height() + kFrameHeight;
    const double fits = std::min(availablePixels.width() / needWidth, availablePixels.height() / needHeight);
    if (fits >= scale)
        return std::nullopt;
    // Down to a step, so the scale is one a learner can type again.
    return std::max(kSmallest, std::floor(fits / kStep + 1e-9) * kStep);
}

QString fittedScaleMessage(double chosen, double fitted)
{
    return QStringLiteral("Ejteto!: az ablak a választott nagyítással (%1) nem fér el a képernyőn, ezért kisebbel "
                          "(%2) nyílik meg. Más nagyítással így indíthatod: QT_SCALE_FACTOR=%2 ejteto")
        .arg(scaleText(chosen), scaleText(fitted));
}

} // namespace ejteto
