#pragma once
// The pictures the windows carry themselves, drawn in code so that the
// program needs no image files for them: the window icon, the information
// sign of the About button, the loudspeaker of the practice panel and the
// licence badge of the About window.
#include <QIcon>
#include <QImage>
#include <QList>
#include <QRgb>

class QPainter;

namespace ejteto {

// The program's emblem, a speech bubble holding the vowel "æ", painted into
// the square of `size` units at the painter's origin. Below 24 it is the
// small variant without the dark plate. The window icon, the installed icons
// and the scalable icon are all painted by this one routine.
void paintApplicationEmblem(QPainter& painter, int size);
// The emblem in full colour with smooth edges, for the installed icons.
QImage applicationIconArtwork(int size);
// The emblem as the window shows it: reduced to 16 colours. `size` is 32 or
// 16 (other sizes are drawn the same way).
QImage applicationIconImage(int size);
// Both sizes of the emblem (32 x 32 and 16 x 16) as one icon.
QIcon applicationIcon();
// The 16 colours the emblem is reduced to (entry 0 is fully transparent).
QList<QRgb> applicationIconColorTable();

// 24 x 24: a white lower-case "i" on a blue disc, transparent around it.
QImage informationSign();

// 36 x 25: a loudspeaker sending sound waves, in light colours on a
// transparent background, for the dark practice panel.
QImage loudspeakerPicture();

// 88 x 31: the badge of the licence the program ships under (GNU GPL v3+).
QImage licenceBadge();

} // namespace ejteto
