// The credits window, shown once the main window has closed.
#pragma once

#include "platform/Forms.h"

class TForm2 : public TForm {
public:
    TForm2();
};

extern TForm2* Form2;
