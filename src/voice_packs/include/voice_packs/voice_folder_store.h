#pragma once
// A recording session's takes kept in a voice folder of the user's voices:
// phones/<n>.wav and words/<word>.wav, each written whole (aside, then
// renamed), as mono 16-bit WAV of the take's first channel. With a manifest
// given, the folder's manifest is written beside the first take kept, so a
// voice recorded in the program travels in a pack saying who it is.
#include "content/recording_session.h"
#include "voice_packs/voice_manifest.h"

#include <optional>

namespace ejteto {

class VoiceFolderStore : public TakeStore {
public:
    explicit VoiceFolderStore(QString voiceFolder, std::optional<VoiceManifest> manifest = std::nullopt)
        : folder_(std::move(voiceFolder)), manifest_(std::move(manifest))
    {
    }
    bool has(const RecordingItem& item) const override;
    QString keep(const RecordingItem& item, const VoiceTake& take) override;
    const QString& folder() const { return folder_; }

private:
    QString folder_;
    std::optional<VoiceManifest> manifest_;
};

} // namespace ejteto
