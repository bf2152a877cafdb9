// The credits window: one picture in a window of exactly the picture's size, shown modally
// once the main window has closed; a click on the picture closes it.
#pragma once

#include "platform/Forms.h"
#include "platform/Image.h"

class TForm2 : public TForm {
public:
    // Builds the window as designed, the credits picture loaded; FormCreate runs once the
    // application has finished the construction.
    TForm2();

    TImage* Image1 = nullptr;

    // Fits the picture control and the client area to the picture.
    void FormCreate();
    void Image1Click();
};

extern TForm2* Form2;
