// Checking the number in a value editor against its field's range when the user leaves it.
#include "ui/Unit1.h"

void TForm1::LabeledEdit1Exit() {}

void TForm1::LabeledEdit2Exit() {}

void TForm1::LabeledEdit3Exit() {}

void TForm1::LabeledEdit4Exit() {}

void TForm1::LabeledEdit5Exit() {}

void TForm1::LabeledEdit6Exit() {}

void TForm1::LabeledEdit7Exit() {}

void TForm1::LabeledEdit8Exit() {}

void TForm1::LabeledEdit9Exit() {}

void TForm1::LabeledEdit10Exit() {}

void TForm1::LabeledEdit11Exit() {}

void TForm1::LabeledEdit12Exit() {}

void TForm1::LabeledEdit13Exit() {}

void TForm1::LabeledEdit14Exit() {}

void TForm1::LabeledEdit15Exit() {}

void TForm1::LabeledEdit16Exit() {}

void TForm1::LabeledEdit17Exit() {}

void TForm1::LabeledEdit18Exit() {}

void TForm1::LabeledEdit19Exit() {}

void TForm1::LabeledEdit20Exit() {}

void TForm1::LabeledEdit21Exit() {}

void TForm1::LabeledEdit22Exit() {}

void TForm1::LabeledEdit23Exit() {}

void TForm1::LabeledEdit24Exit() {}

void TForm1::LabeledEdit25Exit() {}

void TForm1::LabeledEdit26Exit() {}
