#pragma once
// How long a sound file plays, from its header alone: the blocking play
// refuses a recording that would hold the window too long before it starts.
#include <optional>

namespace ejteto {

// The length in seconds of the sound file open at `fd` (a regular file),
// by its header and its size, read without going past the header; nothing
// when libsndfile cannot read the header, or the file is no WAV file whose
// chunks lie within it. The descriptor stays open.
std::optional<double> soundFileSeconds(int fd);

} // namespace ejteto
