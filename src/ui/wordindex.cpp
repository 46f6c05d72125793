// The word index: the whole word list, narrowed by a filter; a selected
// word shows its meaning and vowel symbol and can be played.
#include "ui/form1.h"

namespace ejteto {

void TForm1::Button_SzomutatoClick()
{
    IranyitoPult_Deaktivalas();
    Panel_Szomutato->show();
}

void TForm1::Szurlista() {}
void TForm1::ListBox_SzomutatoClick() {}
void TForm1::Megszolal() {}
void TForm1::Edit_Szomutato_SzuroEnter() {}
void TForm1::Edit_Szomutato_SzuroExit() {}

} // namespace ejteto
