// The field table of a record line: the 33 tokens with their controls, editors and bounds.
#include "handling/RecordFields.h"

#include <stdexcept>

namespace {

constexpr std::array<const char*, 3> NoLetters = {"", "", ""};

constexpr TRecordField Unshown(int token, const char* name, TFieldKind kind) {
    return {token, name, kind, "", -1, {}, NoLetters};
}

constexpr TRecordField Number(int token, const char* name, const char* editor, int entry,
                              double lower, double upper) {
    return {token, name, TFieldKind::Number, editor, entry, {lower, upper}, NoLetters};
}

constexpr TRecordField Choice(int token, const char* name, const char* control,
                              std::array<const char*, 3> letters) {
    return {token, name, TFieldKind::LetterChoice, control, -1, {}, letters};
}

constexpr TRecordField Shown(int token, const char* name, TFieldKind kind, const char* control) {
    return {token, name, kind, control, -1, {}, NoLetters};
}

// The front lights sit in ComboBox5 and the rear lights in ComboBox4: the window's design
// numbers the boxes the other way round from the tokens.
constexpr std::array<TRecordField, 33> Fields = {{
    Unshown(0, "Identifier", TFieldKind::Identifier),
    Number(1, "Mass", "LabeledEdit1", 0, 1, 50000),
    Number(2, "SizeX", "LabeledEdit2", 1, 0, 20),
    Number(3, "SizeY", "LabeledEdit3", 2, 0, 20),
    Number(4, "SizeZ", "LabeledEdit4", 3, 0, 20),
    Number(5, "CentreOfMassX", "LabeledEdit5", 4, -10, 10),
    Number(6, "CentreOfMassY", "LabeledEdit6", 5, -10, 10),
    Number(7, "CentreOfMassZ", "LabeledEdit7", 6, -10, 10),
    Number(8, "DraughtInWater", "LabeledEdit8", 7, 1, 150),
    Number(9, "Traction", "LabeledEdit9", 8, -5, 5),
    Number(10, "TractionLoss", "LabeledEdit10", 9, 0.1, 30),
    Number(11, "TractionBias", "LabeledEdit11", 10, 0, 1),
    Number(12, "Gears", "LabeledEdit12", 11, 1, 5),
    Number(13, "TopSpeed", "LabeledEdit13", 12, 1, 999),
    Number(14, "Acceleration", "LabeledEdit14", 13, 0.1, 99),
    Choice(15, "DriveType", "ComboBox2", {"F", "R", "4"}),
    Choice(16, "EngineType", "ComboBox3", {"P", "D", "E"}),
    Number(17, "BrakeStrength", "LabeledEdit15", 14, 0.1, 15),
    Number(18, "BrakeBias", "LabeledEdit16", 15, 0.1, 2),
    Shown(19, "ABS", TFieldKind::Flag, "CheckBox1"),
    Number(20, "Steering", "LabeledEdit17", 16, 1, 99),
    Number(21, "SuspensionStrength", "LabeledEdit18", 17, 0.1, 5),
    Number(22, "SuspensionDamping", "LabeledEdit19", 18, 0.01, 5),
    Number(23, "DoorOpeningDistance", "LabeledEdit20", 19, 0, 5),
    Number(24, "Damage", "LabeledEdit21", 20, 0, 3),
    Number(25, "Price", "LabeledEdit22", 21, 1, 99999),
    Number(26, "SuspensionUpperLimit", "LabeledEdit23", 22, 0, 1),
    Number(27, "SuspensionLowerLimit", "LabeledEdit24", 23, -1, 0),
    Number(28, "SuspensionRelativeBias", "LabeledEdit25", 24, 0, 3),
    Number(29, "AntiDive", "LabeledEdit26", 25, 0, 1),
    Unshown(30, "KeptToken", TFieldKind::Kept),
    Shown(31, "FrontLights", TFieldKind::LightIndex, "ComboBox5"),
    Shown(32, "RearLights", TFieldKind::LightIndex, "ComboBox4"),
}};

// Editors 0 to 13 show tokens 1 to 14; the two choice boxes take tokens 15 and 16, the check
// box token 19, so the editors after them are shifted by three and then by four.
constexpr int TokenOfEditor(int editor) {
    if (editor <= 13) return editor + 1;
    if (editor <= 15) return editor + 3;
    return editor + 4;
}

constexpr std::array<int, 31> Order = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,
                                       12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22,
                                       23, 24, 25, 26, 27, 28, 29, 32, 31};

}  // namespace

const std::array<TRecordField, 33>& RecordFields() { return Fields; }

const TRecordField& FieldOfEditor(int editor) {
    if (editor < 0 || editor >= ValueEditorCount)
        throw std::out_of_range("no value editor " + std::to_string(editor));
    return Fields[static_cast<std::size_t>(TokenOfEditor(editor))];
}

const std::array<int, 31>& FillOrder() { return Order; }

int LetterChoiceEntry(const TRecordField& field, const std::string& token) {
    if (token == field.Letters[0]) return 0;
    if (token == field.Letters[1]) return 1;
    return 2;
}

std::string LetterChoiceToken(const TRecordField& field, int entry) {
    if (entry == 0 || entry == 1) return field.Letters[static_cast<std::size_t>(entry)];
    return field.Letters[2];
}
