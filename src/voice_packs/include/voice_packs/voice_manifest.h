#pragma once
// A voice's manifest: who speaks, how, under which licence, recorded for
// which version of the course. Kept as manifest.txt in the voice folder and
// in its pack: a first line "ejteto-voice 1", then one "key=value" line each,
// UTF-8. Unknown keys are ignored, so later versions may add some.
#include <QByteArray>
#include <QString>
#include <optional>

namespace ejteto {

struct VoiceManifest {
    QString name;          // the voice folder's name
    QString description;   // the speaker, in their own words
    QString accent;        // e.g. "brit (London)"
    QString licence;       // what the speaker grants, e.g. "CC BY 4.0"
    QString courseVersion; // the program version the words were recorded for

    friend bool operator==(const VoiceManifest&, const VoiceManifest&) = default;
};

QByteArray manifestText(const VoiceManifest& m);
// Nothing, with `why` in Hungarian, when the text is no manifest or names no
// usable voice (see isVoiceName).
std::optional<VoiceManifest> parseManifest(const QByteArray& text, QString* why);

// A voice's name is a folder's name: plain (no separators, "..", leading dot
// or control characters) and at most 64 characters.
bool isVoiceName(const QString& name);

// The manifest of a voice folder; without one, a manifest naming the folder.
VoiceManifest manifestOfFolder(const QString& voiceFolder);
// Writes `m` into the voice folder (whole or not at all); an error text or "".
QString writeManifestFile(const QString& voiceFolder, const VoiceManifest& m);

} // namespace ejteto
