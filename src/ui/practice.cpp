// Practice and test runs: ten questions on the lesson's vowel, the status
// line, and the results table.
#include "ui/form1.h"

namespace ejteto {

void TForm1::Button_Inditas_GyakorlatClick() {}
void TForm1::Button_Inditas_TesztClick() {}
void TForm1::GyakTesztInditas() {}
void TForm1::Valaszlehetosegmegnyomas(int) {}
void TForm1::Image_SpeakerClick(int) {}
void TForm1::Label_GyakTeszt_hClick(int) {}
void TForm1::Button_GyakTeszt_TovabbClick() {}
void TForm1::PushStatusLine(const QString&) {}
void TForm1::SlideLabels(Label*, Label*, int) {}
void TForm1::ErtekeloSzoLejatszas(Label*) {}

} // namespace ejteto
