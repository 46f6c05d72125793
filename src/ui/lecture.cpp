// The lecture module: the lesson's video on the black panel, with a
// play/pause button and a button that stops and returns to the start.
#include "ui/form1.h"

namespace ejteto {

void TForm1::Button_Inditas_EloadasClick() {}
void TForm1::Button_Eloadas_LejatszasSzunetClick() {}
void TForm1::Button_Eloadas_VisszaClick() {}

} // namespace ejteto
