// The record controls as the working copy of the shown record: filled from its tokens, and
// read back into token texts when the record is committed.
#include "handling/RecordFields.h"
#include "platform/SysUtils.h"
#include "ui/Unit1.h"

TComboBox* TForm1::ChoiceBoxOf(const TRecordField& Field) const {
    return dynamic_cast<TComboBox*>(FindControl(Field.Control));
}

void TForm1::FillRecordControls() {
    for (int token : FillOrder()) SetRecordControl(RecordFields()[token], ShownTokens.Get(token));
}

void TForm1::SetRecordControl(const TRecordField& Field, const std::string& Token) {
    switch (Field.Kind) {
        case TFieldKind::Number:
            Editors[Field.Editor]->SetText(Token);
            break;
        case TFieldKind::LetterChoice:
            ChoiceBoxOf(Field)->SetItemIndex(LetterChoiceEntry(Field, Token));
            break;
        case TFieldKind::Flag:
            CheckBox1->SetChecked(StrToBool(Token));
            break;
        case TFieldKind::LightIndex:
            ChoiceBoxOf(Field)->SetItemIndex(StrToInt(Token));
            break;
        case TFieldKind::Identifier:
        case TFieldKind::Kept:
            break;
    }
}

std::string TForm1::RecordControlToken(const TRecordField& Field) const {
    switch (Field.Kind) {
        case TFieldKind::Number:
            return Editors[Field.Editor]->Text();
        case TFieldKind::LetterChoice:
            return LetterChoiceToken(Field, ChoiceBoxOf(Field)->ItemIndex());
        case TFieldKind::Flag:
            return CheckBox1->Checked() ? "1" : "0";
        case TFieldKind::LightIndex: {
            // A light number that names none of the box's entries leaves it without a
            // selection; the user cannot clear one, so the number goes back as it was read.
            const int entry = ChoiceBoxOf(Field)->ItemIndex();
            return entry >= 0 ? IntToStr(entry) : ShownTokens.Get(Field.Token);
        }
        case TFieldKind::Identifier:
        case TFieldKind::Kept:
            break;
    }
    return ShownTokens.Get(Field.Token);
}

TRecordTokens TForm1::TokensFromRecordControls() const {
    TRecordTokens tokens;
    for (const TRecordField& field : RecordFields()) tokens.Add(RecordControlToken(field));
    return tokens;
}
