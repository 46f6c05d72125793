#pragma once
// A recording session's takes kept in a voice folder of the user's voices:
// phones/<n>.wav and words/<word>.wav, each written whole (aside, then
// renamed), as mono 16-bit WAV of the take's first channel.
#include "content/recording_session.h"

namespace ejteto {

class VoiceFolderStore : public TakeStore {
public:
    explicit VoiceFolderStore(QString voiceFolder) : folder_(std::move(voiceFolder)) {}
    bool has(const RecordingItem& item) const override;
    QString keep(const RecordingItem& item, const VoiceTake& take) override;
    const QString& folder() const { return folder_; }

private:
    QString folder_;
};

} // namespace ejteto
