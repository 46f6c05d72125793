#pragma once
// The voices of the course and which of their recordings can be heard. The
// model voice is the empty name; the others are the folders under
// media/voices. The drill asks before it plays, so a missing, empty, broken
// or silent file is skipped and never heard as a trial.
#include "content/recording_player.h"

#include <QHash>
#include <QStringList>
#include <optional>

namespace ejteto {

class VoiceLibrary {
public:
    virtual ~VoiceLibrary() = default;
    // The voices besides the model voice, in a fixed order.
    virtual QStringList voices() const = 0;
    // True when `voice` ("" for the model) holds a recording of `recording`
    // that can be heard.
    virtual bool playable(const CourseRecording& recording, const QString& voice) = 0;
    // A recording that failed to play: never offered again in this run.
    virtual void markBroken(const CourseRecording& recording, const QString& voice) = 0;
};

// The voices of an installation's media folder and of the user's own voices
// folder (userVoicesDir()); each file is checked once. A user's voice of the
// same name as an installed one is the one heard.
class FolderVoiceLibrary : public VoiceLibrary {
public:
    explicit FolderVoiceLibrary(QString mediaDir, QString userVoicesDir = {});
    QStringList voices() const override { return voices_; }
    bool playable(const CourseRecording& recording, const QString& voice) override;
    void markBroken(const CourseRecording& recording, const QString& voice) override;
    // The file of `recording` in `voice`; nothing for a word that cannot
    // stand as a file name.
    std::optional<QString> pathOf(const CourseRecording& recording, const QString& voice) const;
    // Reads both voices folders again: a voice imported or recorded while
    // the program runs is offered from then on.
    void rescan();

private:
    QString mediaDir_;
    QString userVoicesDir_;
    QStringList voices_;
    QHash<QString, QString> folderOf_; // voice -> its voices folder
    QHash<QString, bool> checked_;     // path -> playable
};

} // namespace ejteto
