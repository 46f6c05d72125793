#pragma once
// Colours are stored as the window system's 0x00BBGGRR words, the decimal
// values the window's fixed layout names. Painting code turns them into
// QColor through app/color_value.h.
#include <cstdint>

namespace ejteto {

// Named colours of the layout.
namespace colors {
constexpr uint32_t Window = 3028046;       // 0x2E344E, the main window
constexpr uint32_t Cream = 15793151;       // 0xF0FBFF
constexpr uint32_t LightBlue = 16754577;   // 0xFFA791
constexpr uint32_t Amber = 52479;          // 0x00CCFF
constexpr uint32_t Orange = 39167;         // 0x0098FF
constexpr uint32_t PracticeBlue = 9647400; // 0x933528
constexpr uint32_t TestRed = 660144;       // 0x0A12B0
constexpr uint32_t Right = 2464548;        // 0x259B24, green
constexpr uint32_t Wrong = 2301157;        // 0x231CE5, red
constexpr uint32_t Grey = 8421504;         // 0x808080
constexpr uint32_t GameGreen = 28421;      // 0x006F05
constexpr uint32_t White = 0xFFFFFF;
constexpr uint32_t Black = 0x000000;
constexpr uint32_t Silver = 0xC0C0C0;
constexpr uint32_t PureBlue = 0xFF0000;
} // namespace colors

} // namespace ejteto
