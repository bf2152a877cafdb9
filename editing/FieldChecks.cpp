// Checking the number in a value editor against its field's range when the user leaves it.
#include "handling/NumberEntry.h"
#include "handling/RecordFields.h"
#include "platform/Application.h"
#include "ui/Unit1.h"

void TForm1::CheckFieldRange(double Lower, double Upper, TLabeledEdit* Editor) {
    try {
        const std::string checked = CheckedFieldText(Editor->Text(), {Lower, Upper});
        // A text that needs no change is not written, so the record stays unmodified.
        if (checked != Editor->Text()) Editor->SetText(checked);
    } catch (...) {
        Application->MessageBox(MessageTexts[8], MessageTexts[9], TMsgButtons::OK, TMsgIcon::Error);
        Editor->SetFocus();
        FieldsValid = false;
    }
}

void TForm1::CheckValueEditor(int Entry) {
    const TFieldBounds& bounds = FieldOfEditor(Entry).Bounds;
    CheckFieldRange(bounds.Lower, bounds.Upper, Editors[Entry]);
}

void TForm1::LabeledEdit1Exit() { CheckValueEditor(0); }

void TForm1::LabeledEdit2Exit() { CheckValueEditor(1); }

void TForm1::LabeledEdit3Exit() { CheckValueEditor(2); }

void TForm1::LabeledEdit4Exit() { CheckValueEditor(3); }

void TForm1::LabeledEdit5Exit() { CheckValueEditor(4); }

void TForm1::LabeledEdit6Exit() { CheckValueEditor(5); }

void TForm1::LabeledEdit7Exit() { CheckValueEditor(6); }

void TForm1::LabeledEdit8Exit() { CheckValueEditor(7); }

void TForm1::LabeledEdit9Exit() { CheckValueEditor(8); }

void TForm1::LabeledEdit10Exit() { CheckValueEditor(9); }

void TForm1::LabeledEdit11Exit() { CheckValueEditor(10); }

void TForm1::LabeledEdit12Exit() { CheckValueEditor(11); }

void TForm1::LabeledEdit13Exit() { CheckValueEditor(12); }

void TForm1::LabeledEdit14Exit() { CheckValueEditor(13); }

void TForm1::LabeledEdit15Exit() { CheckValueEditor(14); }

void TForm1::LabeledEdit16Exit() { CheckValueEditor(15); }

void TForm1::LabeledEdit17Exit() { CheckValueEditor(16); }

void TForm1::LabeledEdit18Exit() { CheckValueEditor(17); }

void TForm1::LabeledEdit19Exit() { CheckValueEditor(18); }

void TForm1::LabeledEdit20Exit() { CheckValueEditor(19); }

void TForm1::LabeledEdit21Exit() { CheckValueEditor(20); }

void TForm1::LabeledEdit22Exit() { CheckValueEditor(21); }

void TForm1::LabeledEdit23Exit() { CheckValueEditor(22); }

void TForm1::LabeledEdit24Exit() { CheckValueEditor(23); }

void TForm1::LabeledEdit25Exit() { CheckValueEditor(24); }

void TForm1::LabeledEdit26Exit() { CheckValueEditor(25); }
