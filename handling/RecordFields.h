// The 33 tokens of a record line: what each means, which control of the main window shows it,
// how its text becomes that control's state and back, and the bounds of every number.
// The fill, the commit and the 26 value checks all read this one table.
#pragma once

#include <array>
#include <string>

enum class TFieldKind {
    Identifier,    // token 0: never shown, written back as read
    Number,        // free text in a value editor, checked against its bounds on leaving
    LetterChoice,  // a pick-only list of three entries standing for three fixed letters
    Flag,          // the check box: "1" ticked, "0" cleared
    LightIndex,    // a pick-only list of four entries; the token is the entry's index
    Kept,          // token 30: not interpreted, written back as read
};

struct TFieldBounds {
    double Lower = 0;
    double Upper = 0;
};

struct TRecordField {
    int Token;
    const char* Name;     // "Mass", "DriveType", ...
    TFieldKind Kind;
    const char* Control;  // the main window's control that shows it, "" for none
    int Editor;           // entry of the value editors (0 to 25) for numbers, else -1
    TFieldBounds Bounds;  // numbers only
    // Letter choices: the token text that entries 0, 1 and 2 stand for.
    std::array<const char*, 3> Letters;
};

inline constexpr int ValueEditorCount = 26;

// Indexed by token, 0 to 32.
const std::array<TRecordField, 33>& RecordFields();

// The number field shown by value editor entry n (0 to 25): LabeledEdit n + 1.
const TRecordField& FieldOfEditor(int editor);

// The tokens in the order the record controls are filled from them: the value editors and
// choice boxes in token order, then the rear lights before the front lights.
const std::array<int, 31>& FillOrder();

// Entry of a letter choice for a token text: an exact, case-sensitive match of the first or
// second letter, and the third entry for any other text.
int LetterChoiceEntry(const TRecordField& field, const std::string& token);

// Token text for a letter choice's selected entry: the first or second letter, and the third
// for any other state (no entry selected included).
std::string LetterChoiceToken(const TRecordField& field, int entry);
