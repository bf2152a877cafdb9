// Tests of the field table: every token's name, kind, control, editor and bounds, the editors'
// tokens, the fill order and the letter choices.
#include "handling/RecordFields.h"

#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using K = TFieldKind;

struct FieldRow {
    int token;
    std::string name;
    TFieldKind kind;
    std::string control;
    int editor;
    double lower;
    double upper;
};

// The table as the window's design gives it, written out independently of the code.
const std::vector<FieldRow>& ExpectedFields() {
    static const std::vector<FieldRow> rows = {
        {0, "Identifier", K::Identifier, "", -1, 0, 0},
        {1, "Mass", K::Number, "LabeledEdit1", 0, 1, 50000},
        {2, "SizeX", K::Number, "LabeledEdit2", 1, 0, 20},
        {3, "SizeY", K::Number, "LabeledEdit3", 2, 0, 20},
        {4, "SizeZ", K::Number, "LabeledEdit4", 3, 0, 20},
        {5, "CentreOfMassX", K::Number, "LabeledEdit5", 4, -10, 10},
        {6, "CentreOfMassY", K::Number, "LabeledEdit6", 5, -10, 10},
        {7, "CentreOfMassZ", K::Number, "LabeledEdit7", 6, -10, 10},
        {8, "DraughtInWater", K::Number, "LabeledEdit8", 7, 1, 150},
        {9, "Traction", K::Number, "LabeledEdit9", 8, -5, 5},
        {10, "TractionLoss", K::Number, "LabeledEdit10", 9, 0.1, 30},
        {11, "TractionBias", K::Number, "LabeledEdit11", 10, 0, 1},
        {12, "Gears", K::Number, "LabeledEdit12", 11, 1, 5},
        {13, "TopSpeed", K::Number, "LabeledEdit13", 12, 1, 999},
        {14, "Acceleration", K::Number, "LabeledEdit14", 13, 0.1, 99},
        {15, "DriveType", K::LetterChoice, "ComboBox2", -1, 0, 0},
        {16, "EngineType", K::LetterChoice, "ComboBox3", -1, 0, 0},
        {17, "BrakeStrength", K::Number, "LabeledEdit15", 14, 0.1, 15},
        {18, "BrakeBias", K::Number, "LabeledEdit16", 15, 0.1, 2},
        {19, "ABS", K::Flag, "CheckBox1", -1, 0, 0},
        {20, "Steering", K::Number, "LabeledEdit17", 16, 1, 99},
        {21, "SuspensionStrength", K::Number, "LabeledEdit18", 17, 0.1, 5},
        {22, "SuspensionDamping", K::Number, "LabeledEdit19", 18, 0.01, 5},
        {23, "DoorOpeningDistance", K::Number, "LabeledEdit20", 19, 0, 5},
        {24, "Damage", K::Number, "LabeledEdit21", 20, 0, 3},
        {25, "Price", K::Number, "LabeledEdit22", 21, 1, 99999},
        {26, "SuspensionUpperLimit", K::Number, "LabeledEdit23", 22, 0, 1},
        {27, "SuspensionLowerLimit", K::Number, "LabeledEdit24", 23, -1, 0},
        {28, "SuspensionRelativeBias", K::Number, "LabeledEdit25", 24, 0, 3},
        {29, "AntiDive", K::Number, "LabeledEdit26", 25, 0, 1},
        {30, "KeptToken", K::Kept, "", -1, 0, 0},
        {31, "FrontLights", K::LightIndex, "ComboBox5", -1, 0, 0},
        {32, "RearLights", K::LightIndex, "ComboBox4", -1, 0, 0},
    };
    return rows;
}

TEST(RecordFields, EveryTokenAsDesigned) {
    const auto& fields = RecordFields();
    const auto& rows = ExpectedFields();
    ASSERT_EQ(rows.size(), fields.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const FieldRow& want = rows[i];
        const TRecordField& got = fields[i];
        SCOPED_TRACE("token " + std::to_string(want.token));
        EXPECT_EQ(got.Token, want.token);
        EXPECT_EQ(got.Name, want.name);
        EXPECT_EQ(got.Kind, want.kind);
        EXPECT_EQ(got.Control, want.control);
        EXPECT_EQ(got.Editor, want.editor);
        if (want.kind != K::Number) continue;
        // Exact comparison: the bounds 0.1 and 0.01 must be the doubles nearest those decimals.
        EXPECT_EQ(got.Bounds.Lower, want.lower);
        EXPECT_EQ(got.Bounds.Upper, want.upper);
    }
}

TEST(RecordFields, EachEditorShowsItsNumberField) {
    for (int editor = 0; editor < ValueEditorCount; ++editor) {
        const TRecordField& field = FieldOfEditor(editor);
        EXPECT_EQ(field.Kind, K::Number) << editor;
        EXPECT_EQ(field.Editor, editor);
        EXPECT_EQ(std::string(field.Control), "LabeledEdit" + std::to_string(editor + 1));
        EXPECT_EQ(&field, &RecordFields()[static_cast<std::size_t>(field.Token)]);
    }
    EXPECT_THROW(FieldOfEditor(-1), std::out_of_range);
    EXPECT_THROW(FieldOfEditor(ValueEditorCount), std::out_of_range);
}

TEST(RecordFields, TokensNoEditorShows) {
    std::set<int> shown;
    for (int editor = 0; editor < ValueEditorCount; ++editor) shown.insert(FieldOfEditor(editor).Token);
    std::set<int> unshown;
    for (int token = 0; token < 33; ++token)
        if (!shown.count(token)) unshown.insert(token);
    EXPECT_EQ(unshown, (std::set<int>{0, 15, 16, 19, 30, 31, 32}));
}

TEST(RecordFields, FillOrderPutsRearLightsBeforeFrontLights) {
    std::vector<int> expected;
    for (int token = 1; token <= 29; ++token) expected.push_back(token);
    expected.push_back(32);
    expected.push_back(31);
    const auto& order = FillOrder();
    EXPECT_EQ(std::vector<int>(order.begin(), order.end()), expected);
}

TEST(RecordFields, LetterChoices) {
    struct Case {
        int token;
        std::string text;
        int entry;
    };
    const Case reading[] = {
        {15, "F", 0}, {15, "R", 1}, {15, "4", 2},  {15, "f", 2}, {15, "", 2},
        {15, "FR", 2}, {15, " F", 2}, {16, "P", 0}, {16, "D", 1}, {16, "E", 2},
        {16, "e", 2}, {16, "", 2},   {16, "F", 2},
    };
    for (const auto& c : reading)
        EXPECT_EQ(LetterChoiceEntry(RecordFields()[c.token], c.text), c.entry)
            << "token " << c.token << " \"" << c.text << '"';

    const Case writing[] = {
        {15, "F", 0}, {15, "R", 1}, {15, "4", 2}, {15, "4", -1}, {15, "4", 3},
        {16, "P", 0}, {16, "D", 1}, {16, "E", 2}, {16, "E", -1}, {16, "E", 3},
    };
    for (const auto& c : writing)
        EXPECT_EQ(LetterChoiceToken(RecordFields()[c.token], c.entry), c.text)
            << "token " << c.token << " entry " << c.entry;
}

}  // namespace
