#include "draw_symbol_tile.h"

#include "app/color_value.h"
#include "media/symbol_tile.h"

namespace ejteto {

void DrawSymbolTile(ImageControl* image, uint32_t background, uint32_t textColor, int soundId)
{
    image->clearPicture();
    image->setPicture(
        makeSymbolTile(image->size(), colorFromValue(background), colorFromValue(textColor), soundId));
}

} // namespace ejteto
