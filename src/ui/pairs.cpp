// The pairs game: twenty face-down word buttons, turned two at a time.
#include "ui/form1.h"

namespace ejteto {

void TForm1::Button_JatekClick() {}
void TForm1::Ujjatek() {}
void TForm1::Jatekgombmegnyomas(int) {}

} // namespace ejteto
