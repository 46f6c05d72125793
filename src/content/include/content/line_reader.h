#pragma once
// Reading a table file into lines: a line ends at CR, LF or CR LF; a break at
// the very end starts no further line; an empty line between others is a line;
// the first zero byte ends the text. Bytes are Windows-1250.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace ejteto {

QStringList splitTableLines(const QByteArray& bytes);

// The bytes of the table file at `path`, a regular file of at most 16 MB,
// read without waiting on a writer; raises "Cannot open file "%s". %s"
// otherwise.
QByteArray readTableBytes(const QString& path);
// Its lines.
QStringList readTableLines(const QString& path);

// The lines of the table file `name` in the installation folder (appDir ends
// in "/"), the header line included.
QStringList LoadLines(const QString& appDir, const QString& name);

} // namespace ejteto
