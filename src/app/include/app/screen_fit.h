#pragma once
// A window of fixed size must open whole on the screen. When it does not fit
// at the scale the desktop chose (QT_SCALE_FACTOR=2 on a 1920 x 1080
// screen), the program starts again at the largest scale that fits, and
// says so.
#include <QSize>
#include <QString>
#include <optional>

namespace ejteto {

// The largest scale, below `scale` and in steps of 0.05, at which a window
// of `windowSize` (logical pixels, with room for the title bar and frame)
// fits `availablePixels` (the screen's free area in device pixels); nothing
// when it already fits at `scale`. A screen too small even at 0.5 gives 0.5.
std::optional<double> fittingScale(QSize windowSize, QSize availablePixels, double scale);

// What the learner is told when the window opens at `fitted` instead of
// `chosen`: in Hungarian, with the command that starts it at another scale.
QString fittedScaleMessage(double chosen, double fitted);

} // namespace ejteto
