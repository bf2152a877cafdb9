#include "ui/Unit2.h"

#include "platform/Cp1252.h"

TForm2* Form2 = nullptr;

TForm2::TForm2() : TForm("Form2") {
    SetBorderStyle(TBorderStyle::bsSingle);
    SetCaption("GTA VC - Wendrix v1.0");
    SetBounds(200, 116, 305, 376);
    SetFont({"MS Sans Serif", -11});
    SetIcon(":/icon.png");
}
