#pragma once
// The pictures the windows carry themselves, drawn in code so that the
// program needs no image files for them: the window icon, the information
// sign of the About button, the loudspeaker of the practice panel and the
// licence badge of the About window.
#include <QIcon>
#include <QImage>
#include <QList>
#include <QRgb>

namespace ejteto {

// Both sizes of the emblem (32 x 32 and 16 x 16, ui/emblem.h) as one icon:
// the pictures the build painted for the installed icons.
QIcon applicationIcon();

// 24 x 24: a white lower-case "i" on a blue disc, transparent around it.
QImage informationSign();

// 36 x 25: a loudspeaker sending sound waves, in light colours on a
// transparent background, for the dark practice panel.
QImage loudspeakerPicture();

// 88 x 31: the badge of the licence the program ships under (GNU GPL v3+).
QImage licenceBadge();

} // namespace ejteto
