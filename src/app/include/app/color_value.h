#pragma once
// The one place that turns a stored 0x00BBGGRR colour word into a QColor.
// Header-only and meant for the painting layers (media, windows, content
// builder), which link Qt Gui; the core itself never needs a QColor.
#include "app/colors.h"

#include <QColor>

namespace ejteto {

constexpr QColor colorFromValue(uint32_t bgr)
{
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

} // namespace ejteto
