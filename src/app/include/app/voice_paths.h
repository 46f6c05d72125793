#pragma once
// Where the other voices of the course lie: one folder per voice under
// media/voices, each holding words/<word>.wav and phones/<n>.wav like the
// model recordings. The builder writes its synthetic voices there; a teacher
// adds a real speaker as one more folder.
#include <QString>
#include <QStringList>
#include <optional>

namespace ejteto {

// MediaDir + "/voices".
QString voicesDirOf(const QString& mediaDir);
// Nothing when the word or the voice cannot stand as a file name
// (isPlainFileName), as for the model voice's recordings.
std::optional<QString> voiceWordRecordingPath(const QString& mediaDir, const QString& voice, const QString& word);
QString voiceVowelRecordingPath(const QString& mediaDir, const QString& voice, int n);
// The same inside a voices folder of its own (the installation's media/voices
// or the user's).
std::optional<QString> voiceWordRecordingPathIn(const QString& voicesDir, const QString& voice, const QString& word);
std::optional<QString> voiceVowelRecordingPathIn(const QString& voicesDir, const QString& voice, int n);
// The voice folders in name order; none when the folder is missing.
QStringList voiceFolders(const QString& mediaDir);

// Where a learner's or teacher's own voices live, recorded or imported:
// $XDG_DATA_HOME/ejteto/voices (~/.local/share when unset), never inside the
// installation, which is read-only once installed. Same layout per voice.
QString userVoicesDir();
// The voice folders of a voices folder (hidden ones, an import under way,
// left out), in name order.
QStringList voiceFoldersIn(const QString& voicesDir);

} // namespace ejteto
