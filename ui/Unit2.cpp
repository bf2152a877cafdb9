// The credits window's design, its wiring and its two handlers.
#include "ui/Unit2.h"

#include "platform/Resources.h"

TForm2* Form2 = nullptr;

TForm2::TForm2() : TForm("Form2") {
    SetCaption("GTA VC - Wendrix v1.0");
    // The design's outer size; FormCreate replaces the client size with the picture's.
    SetBounds(200, 116, 305, 376);
    SetBorderStyle(TBorderStyle::bsSingle);
    SetFont(TFont{"MS Sans Serif", -11});
    SetIcon(":/icon.png");
    OnCreate = TNotifyEvent(this, &TForm2::FormCreate);

    Image1 = Make<TImage>(this, "Image1");
    Image1->SetBounds(0, 0, 297, 337);
    Image1->LoadJpeg(ReadResource(":/credits.jpg"));
    Image1->OnClick = TNotifyEvent(this, &TForm2::Image1Click);
}

void TForm2::FormCreate() {
    Image1->SetWidth(Image1->PictureWidth());
    Image1->SetHeight(Image1->PictureHeight());
    SetClientWidth(Image1->PictureWidth());
    SetClientHeight(Image1->PictureHeight());
}

void TForm2::Image1Click() { Close(); }
