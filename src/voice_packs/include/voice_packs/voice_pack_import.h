#pragma once
// A voice pack taken into a voices folder. Every entry is checked before
// anything is kept: the pack is unpacked into a hidden temporary folder
// beside the voices and renamed into place only when it is whole and sound,
// so a refused pack leaves no trace and no voice is ever half made. Refused:
// absolute paths, "..", links, devices and other special files, names outside
// the layout (pack_layout.h), files that are not playable WAV recordings, an
// entry twice, more entries or bytes than a full voice of the course can take
// (the first refusal names the entry). A voice of the same name is replaced
// only when the caller says so.
#include "voice_packs/voice_manifest.h"

#include <QString>
#include <QStringList>

namespace ejteto {

struct VoicePackImportRequest {
    QString packFile;
    QString voicesDir;       // made when missing
    QStringList courseWords; // the words a voice of this course may hold
    bool replaceExisting = false;
};

struct VoicePackImport {
    enum class Outcome {
        Imported,
        Refused,   // nothing kept; `message` says why
        NameTaken, // a voice of this name exists; nothing kept, ask and retry
    };
    Outcome outcome = Outcome::Refused;
    QString message; // Hungarian: what was done, or why not
    VoiceManifest manifest;
    int recordings = 0;
};

VoicePackImport importVoicePack(const VoicePackImportRequest& request);

} // namespace ejteto
