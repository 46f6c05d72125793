#pragma once
// Every file of an installation is found from the executable's own folder.
// Paths are joined by plain concatenation: AppDir ends in "/" and the fixed
// pieces begin with "/", so most paths hold one doubled separator, which the
// file system reads as a single one.
#include <QString>
#include <optional>

namespace ejteto {

// The directory part of an executable's full path, up to and including the
// last separator ("/opt/ejteto/ejteto" gives "/opt/ejteto/").
QString appDirOf(const QString& executablePath);
// AppDir + "/media".
QString mediaDirOf(const QString& appDir);
// The running executable's folder, ending in "/".
QString currentAppDir();

QString inactiveTilePath(const QString& appDir, int n); // /images/lecke_i_n.jpg
QString activeTilePath(const QString& appDir, int n);   // /images/lecke_a_n.jpg
QString answerSpeakerPath(const QString& appDir);       // /images/speaker_blue.jpg
QString wordIndexSpeakerPath(const QString& appDir);    // /images/speaker_brown.jpg
// The recording of a word: /words/<word>.wav, or nothing when the word
// cannot stand as a file name (see isPlainFileName).
std::optional<QString> wordRecordingPath(const QString& mediaDir, const QString& word);
QString vowelRecordingPath(const QString& mediaDir, int n);
QString lectureVideoPath(const QString& mediaDir, int n);

// Whether a text from a table may be used as a file name as it stands: not
// empty, no path separator ("/" or "\"), no "..", no NUL or other control
// character, and not beginning with "." (a hidden file). Every path formed
// from table data goes through it, so no table can make the program open a
// file outside the folder the path names.
bool isPlainFileName(const QString& name);

} // namespace ejteto
