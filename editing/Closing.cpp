// Closing the main window: the field checks, the offer to save and the credits window.
#include <array>

#include "platform/Application.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"

namespace {
// The value editors' checks, in editor order.
using TFieldCheck = void (TForm1::*)();
constexpr std::array<TFieldCheck, 26> FieldChecks = {
    &TForm1::LabeledEdit1Exit,  &TForm1::LabeledEdit2Exit,  &TForm1::LabeledEdit3Exit,
    &TForm1::LabeledEdit4Exit,  &TForm1::LabeledEdit5Exit,  &TForm1::LabeledEdit6Exit,
    &TForm1::LabeledEdit7Exit,  &TForm1::LabeledEdit8Exit,  &TForm1::LabeledEdit9Exit,
    &TForm1::LabeledEdit10Exit, &TForm1::LabeledEdit11Exit, &TForm1::LabeledEdit12Exit,
    &TForm1::LabeledEdit13Exit, &TForm1::LabeledEdit14Exit, &TForm1::LabeledEdit15Exit,
    &TForm1::LabeledEdit16Exit, &TForm1::LabeledEdit17Exit, &TForm1::LabeledEdit18Exit,
    &TForm1::LabeledEdit19Exit, &TForm1::LabeledEdit20Exit, &TForm1::LabeledEdit21Exit,
    &TForm1::LabeledEdit22Exit, &TForm1::LabeledEdit23Exit, &TForm1::LabeledEdit24Exit,
    &TForm1::LabeledEdit25Exit, &TForm1::LabeledEdit26Exit,
};
}  // namespace

void TForm1::FormCloseQuery(bool& CanClose) {
    if (QuietClose) return;
    // Without a shown record the editors are bound to no line: checking them could only
    // refuse the close for ever.
    if (RecordShown) {
        FieldsValid = true;
        try {
            for (TFieldCheck check : FieldChecks) (this->*check)();
        } catch (...) {
            // The checks report their own failures; one that escapes them only keeps the
            // window open.
            CanClose = false;
        }
        if (!FieldsValid) {
            CanClose = false;
            return;
        }
    }
    if (!HasUnsavedChanges()) return;
    switch (Application->MessageBox(MessageTexts[2], MessageTexts[3], TMsgButtons::YesNoCancel,
                                    TMsgIcon::Question)) {
        case TMsgAnswer::Yes:
            // A failed save keeps the window open with everything as it was.
            if (!SaveHandlingFile()) CanClose = false;
            break;
        case TMsgAnswer::No:
            break;
        default:
            CanClose = false;
            break;
    }
}

void TForm1::FormClose(TCloseAction& /*Action*/) {
    if (QuietClose) return;
    Hide();
    Form2->ShowModal();
}
