#pragma once
// The installation's pictures: the sixteen mosaic tiles in their two states
// and the two loudspeaker buttons. Painting needs a QGuiApplication (fonts).
#include <QImage>
#include <QString>

namespace ejteto::contentkit {

constexpr int kTileSize = 110;
constexpr int kSpeakerWidth = 36;
constexpr int kSpeakerHeight = 32;

// Tile n (1..16) showing the vowel's symbol and `keyWord`; `selected` gives
// the amber variant shown while the lesson is chosen.
QImage paintTile(int n, const QString& keyWord, bool selected);

enum class SpeakerStyle { PracticeBlue, WordIndexBrown };
QImage paintSpeaker(SpeakerStyle style);

} // namespace ejteto::contentkit
