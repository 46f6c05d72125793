#pragma once
// A voice folder as one pack file: a gzip-compressed tar holding the
// manifest first, then phones/<n>.wav and words/<word>.wav. The file appears
// whole or not at all (written aside, renamed into place).
#include "voice_packs/voice_manifest.h"

#include <QString>

namespace ejteto {

struct VoicePackExport {
    QString error; // empty on success, else Hungarian
    int recordings = 0;
};

// Packs the recordings of `voiceFolder` (files of the layout only; anything
// else in the folder stays out) with `manifest` (its name is the folder's).
VoicePackExport exportVoicePack(const QString& voiceFolder, const VoiceManifest& manifest, const QString& packFile);

} // namespace ejteto
