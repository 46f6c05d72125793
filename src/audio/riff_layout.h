#pragma once
// The chunk layout of a RIFF/WAVE file, walked before libsndfile sees it:
// libsndfile's parser loops for ever on some chunks that claim more bytes
// than the file holds (a LIST chunk of 0xffff0004 bytes in a 129-byte file
// hangs sf_open), so a recording from a voice pack could hold the window.
// A file whose chunks do not fit is refused instead.
#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

namespace ejteto {

// Reads up to `count` bytes at `offset`; fewer at the end of the file.
using ByteReader = std::function<QByteArray(qint64 offset, int count)>;

// Why the file of `size` bytes is no RIFF/WAVE file whose chunks all lie
// within it (libsndfile reads the chunks after the samples too), in
// Hungarian; nothing when they do. Samples that claim more bytes than there
// are end the file and are read as far as they go.
std::optional<QString> riffLayoutFault(const ByteReader& read, qint64 size);
std::optional<QString> riffLayoutFault(const QByteArray& bytes);

} // namespace ejteto
