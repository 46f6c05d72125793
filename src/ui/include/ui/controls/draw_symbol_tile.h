#pragma once
// Paints a vowel symbol tile into an image control of the windows.
#include "ui/controls/image_control.h"

#include <cstdint>

namespace ejteto {

// Replaces the image's picture with a new tile of the image's own size:
// `background` everywhere, the symbol of `soundId` between slashes in
// `textColor` (stored colour values). A sound id outside 1..16 gives a plain
// tile.
void DrawSymbolTile(ImageControl* image, uint32_t background, uint32_t textColor, int soundId);

} // namespace ejteto
