#pragma once
// What the learner chose for themselves, kept per user apart from et.ini
// (which holds the level alone and may be the administrator's, beside a
// system-wide installation): $XDG_CONFIG_HOME/ejteto/valasztasok.ini. Today
// that is the voice the window plays words and vowels in, and the voice
// last recorded in "Hangfelvétel".
#include "app/settings_location.h"

#include <QString>

namespace ejteto {

QString userChoicesPath(const QString& configHome = userConfigHome());

// The chosen voice's name; "" for the course's own recordings (also when
// the file is missing or unreadable).
QString playbackVoiceChoice(const QString& configHome = userConfigHome());
// Keeps `voice` ("" for the course's own); an error text in Hungarian, or "".
QString keepPlaybackVoiceChoice(const QString& voice, const QString& configHome = userConfigHome());

// The voice last opened for recording; "" when none.
QString recordingVoiceChoice(const QString& configHome = userConfigHome());
QString keepRecordingVoiceChoice(const QString& voice, const QString& configHome = userConfigHome());

} // namespace ejteto
