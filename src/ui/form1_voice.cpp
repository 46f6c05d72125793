// Hearing what a control plays in the other two ways: slowly, and beside the
// learner's own take.
#include "recording_sounds.h"
#include "ui/form1.h"
#include "voice_compare.h"

namespace ejteto {

void TForm1::playSlowly(const CourseRecording& recording) { sounds_->play(recording, Speed::Slow); }

void TForm1::recordAndCompare(const CourseRecording& model) { voice_->controller().press(model); }

} // namespace ejteto
