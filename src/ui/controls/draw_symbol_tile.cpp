#include "ui/controls/draw_symbol_tile.h"

#include "accessibility/accessible_texts.h"
#include "app/color_value.h"
#include "media/symbol_tile.h"

namespace ejteto {

void DrawSymbolTile(ImageControl* image, uint32_t background, uint32_t textColor, int soundId)
{
    image->clearPicture();
    image->setPicture(makeSymbolTile(image->size(), colorFromValue(background), colorFromValue(textColor), soundId));
    // What the tile shows, for screen readers.
    image->setAccessibleName(vowelSpokenName(soundId));
    image->setAccessibleDescription(vowelDescription(soundId));
}

} // namespace ejteto
