// Restoring the shown record or the whole file from the backup, and copying values between records.
#include "ui/Unit1.h"

void TForm1::Button2Click() {}

void TForm1::Button3Click() {}

void TForm1::Button4Click() {}

void TForm1::Button5Click() {}
