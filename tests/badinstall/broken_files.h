#pragma once
// Ways to break one file of a tiny installation, as a damaged copy, a bad
// download or a careless teacher would: each takes the installation and the
// file's path inside it.
#include "support/tiny_install.h"

#include <QByteArray>
#include <QString>
#include <functional>

namespace ejteto::testing {

using Breaker = std::function<void(const TinyInstall&)>;

Breaker missing(const QString& file);
Breaker emptied(const QString& file);
// Keeps the first half of the bytes, cutting a line or a picture in two.
Breaker truncated(const QString& file);
Breaker replacedBy(const QString& file, const QByteArray& bytes);
Breaker folderInstead(const QString& file);
Breaker fifoInstead(const QString& file);
Breaker linkToDevZero(const QString& file);
// A sparse file of `bytes` bytes: huge on paper, nothing on the disk.
Breaker huge(const QString& file, qint64 bytes);
// A sparse WAVE file of `bytes` bytes: 16-bit mono sound at 22,050 Hz whose
// header declares `declaredBytes` of sound (the rest of the file, at most).
Breaker longRecording(const QString& file, qint64 bytes, qint64 declaredBytes);
// Readable by nobody but its owner (the tests run such cases as another user).
Breaker unreadable(const QString& file);
// A JPEG picture of a few hundred bytes whose header claims 28160 x 28160.
Breaker lyingPictureHeader(const QString& file);
// Runs several breakers in turn.
Breaker both(Breaker first, Breaker second);

// Bytes that are no text table, no picture and no recording.
QByteArray garbageBytes();

} // namespace ejteto::testing
