#include "platform/Dialogs.h"

#include "platform/Application.h"

bool TOpenDialog::Execute() { return Application->Dialogs().OpenFile({Filter}, FileName); }
