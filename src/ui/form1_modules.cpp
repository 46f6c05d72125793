// Handlers of the learning modules. The word index opens here; the lecture,
// the practice and test runs and the pairs game are bound already and get
// their behaviour with their own units.
#include "ui/form1.h"

namespace ejteto {

void TForm1::Button_SzomutatoClick()
{
    IranyitoPult_Deaktivalas();
    Panel_Szomutato->show();
}

void TForm1::Button_Inditas_EloadasClick() {}
void TForm1::Button_Eloadas_LejatszasSzunetClick() {}
void TForm1::Button_Eloadas_VisszaClick() {}
void TForm1::Button_Inditas_GyakorlatClick() {}
void TForm1::Button_Inditas_TesztClick() {}
void TForm1::Valaszlehetosegmegnyomas(int) {}
void TForm1::Image_SpeakerClick(int) {}
void TForm1::Label_GyakTeszt_hClick(int) {}
void TForm1::Button_GyakTeszt_TovabbClick() {}
void TForm1::ErtekeloSzoLejatszas(Label*) {}
void TForm1::Szurlista() {}
void TForm1::ListBox_SzomutatoClick() {}
void TForm1::Megszolal() {}
void TForm1::Edit_Szomutato_SzuroEnter() {}
void TForm1::Edit_Szomutato_SzuroExit() {}
void TForm1::Button_JatekClick() {}
void TForm1::Ujjatek() {}
void TForm1::Jatekgombmegnyomas(int) {}

} // namespace ejteto
