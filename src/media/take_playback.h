#pragma once
// Playing a take from memory through the course's sound output.
#include "content/voice_recorder.h"

namespace ejteto {

// Plays `take` to its end, blocking and guarded against a stalled output as
// a recording's play is. An output that cannot be made raises AppError; a
// failure while playing is not reported. An empty take plays nothing.
void playVoiceTake(const VoiceTake& take);

} // namespace ejteto
