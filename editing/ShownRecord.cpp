// Showing a record of the handling file in the record controls, committing it and saving.
#include "ui/Unit1.h"

void TForm1::ComboBox1Change() {}

void TForm1::ListBox1Click() {}

void TForm1::LabeledEdit1Change() {}

void TForm1::CheckBox1Click() {}

void TForm1::ComboBox5Change() {}

void TForm1::Button1Click() {}
