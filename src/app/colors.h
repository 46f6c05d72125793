#pragma once
// Colours are stored as the window system's 0x00BBGGRR words (the decimal
// values of the layout tables); this is the one place that turns them into
// QColor.
#include <QColor>
#include <cstdint>

namespace ejteto {

constexpr QColor colorFromValue(uint32_t bgr)
{
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

// Named colours of the layout.
namespace colors {
constexpr uint32_t Window = 3028046;      // 0x2E344E, the main window
constexpr uint32_t Cream = 15793151;      // 0xF0FBFF
constexpr uint32_t LightBlue = 16754577;  // 0xFFA791
constexpr uint32_t Amber = 52479;         // 0x00CCFF
constexpr uint32_t Orange = 39167;        // 0x0098FF
constexpr uint32_t PracticeBlue = 9647400; // 0x933528
constexpr uint32_t TestRed = 660144;      // 0x0A12B0
constexpr uint32_t Right = 2464548;       // 0x259B24, green
constexpr uint32_t Wrong = 2301157;       // 0x231CE5, red
constexpr uint32_t Grey = 8421504;        // 0x808080
constexpr uint32_t GameGreen = 28421;     // 0x006F05
constexpr uint32_t White = 0xFFFFFF;
constexpr uint32_t Black = 0x000000;
constexpr uint32_t Silver = 0xC0C0C0;
constexpr uint32_t PureBlue = 0xFF0000;
} // namespace colors

} // namespace ejteto
