#pragma once
// The one persistent setting: the difficulty level, key "Level" of section
// "User" in "et.ini". Section and key match without regard to case; writing
// changes only that value and keeps every other byte of the file.
#include <QByteArray>
#include <QString>
#include <optional>

namespace ejteto {

// The raw value text of [section] key in INI content (trimmed of blanks and
// of one pair of surrounding quotes), or nothing when either is missing.
std::optional<QString> iniValue(const QByteArray& content, const QString& section, const QString& key);

// The content with [section] key set to value: the existing value replaced in
// place, or the key added at the end of its section, or the section added at
// the end of the file. New lines follow the file's own line breaks.
QByteArray iniWithValue(const QByteArray& content, const QString& section, const QString& key,
                        const QString& value);

// The level stored in the file: 0 when the file, section or key is missing or
// the value is not a strict integer, and when the file is not a regular file
// of at most 256 KB (it is never waited on); otherwise the value as stored (the caller
// decides what a value outside 0..2 means).
int32_t readLevel(const QString& iniPath);

// Stores the level, never leaving the file cut short or half written (see
// saveSettingsFile; `recoveryDir` keeps the copy an in-place rewrite needs).
// Raises "Unable to write to %s" when that is not possible, and when the
// existing file cannot be read whole (so its other lines would be lost) or
// is a link that may not be followed.
void writeLevel(const QString& iniPath, int32_t level, const QString& recoveryDir);

} // namespace ejteto
