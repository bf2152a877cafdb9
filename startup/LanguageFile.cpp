#include "startup/LanguageFile.h"

namespace {

using Kind = TLanguageStep::Kind;

TLanguageStep Label(int line, int editor) { return {Kind::EditorLabel, line, "", editor}; }
TLanguageStep Hint(int line, int editor) { return {Kind::EditorHint, line, "", editor}; }
TLanguageStep Caption(int line, const char* control) { return {Kind::Caption, line, control, 0}; }
TLanguageStep Clear(const char* box) { return {Kind::ClearItems, -1, box, 0}; }
TLanguageStep Item(int line, const char* box) { return {Kind::AddItem, line, box, 0}; }
TLanguageStep Message(int line, int slot) { return {Kind::MessageText, line, "", slot}; }

void AddItems(std::vector<TLanguageStep>& steps, const char* box, int firstLine, int lastLine) {
    steps.push_back(Clear(box));
    for (int line = firstLine; line <= lastLine; ++line) steps.push_back(Item(line, box));
}

std::vector<TLanguageStep> MakeSteps() {
    std::vector<TLanguageStep> steps;
    for (int line = 0; line <= 13; ++line) steps.push_back(Label(line, line));
    steps.push_back(Caption(14, "Label1"));
    steps.push_back(Caption(15, "Label2"));
    steps.push_back(Label(16, 14));
    steps.push_back(Label(17, 15));
    steps.push_back(Caption(18, "CheckBox1"));
    for (int line = 19; line <= 28; ++line) steps.push_back(Label(line, line - 3));
    steps.push_back(Caption(29, "Label4"));
    steps.push_back(Caption(30, "Label3"));
    const char* frames[] = {"GroupBox2", "GroupBox3", "GroupBox4", "GroupBox5", "GroupBox6", "GroupBox7"};
    for (int n = 0; n < 6; ++n) steps.push_back(Caption(31 + n, frames[n]));
    AddItems(steps, "ComboBox2", 37, 39);
    AddItems(steps, "ComboBox3", 40, 42);
    AddItems(steps, "ComboBox4", 43, 46);
    AddItems(steps, "ComboBox5", 43, 46);  // front and rear lights offer the same entries
    AddItems(steps, "ComboBox1", 47, 50);
    steps.push_back(Caption(51, "Button1"));
    // Line 52 is not used.
    for (int line = 53; line <= 78; ++line) steps.push_back(Hint(line, line - 53));
    steps.push_back(Caption(79, "Label5"));
    for (int line = 80; line <= 89; ++line) steps.push_back(Message(line, line - 80));
    steps.push_back(Caption(90, "Button2"));
    steps.push_back(Caption(91, "Button3"));
    steps.push_back(Message(92, 10));
    steps.push_back(Message(93, 11));
    steps.push_back(Caption(94, "Button4"));
    steps.push_back(Caption(95, "Button5"));
    return steps;
}

void Apply(const TLanguageStep& step, const TStringList& lines, ILanguageTargets& targets) {
    if (step.kind == Kind::ClearItems) {
        targets.ClearItems(step.control);
        return;
    }
    const std::string& text = lines.Get(step.line);
    switch (step.kind) {
        case Kind::EditorLabel: targets.SetEditorLabel(step.index, text); break;
        case Kind::EditorHint: targets.SetEditorHint(step.index, text); break;
        case Kind::Caption: targets.SetCaption(step.control, text); break;
        case Kind::AddItem: targets.AddItem(step.control, text); break;
        case Kind::MessageText: targets.SetMessageText(step.index, text); break;
        case Kind::ClearItems: break;
    }
}

}  // namespace

const std::vector<TLanguageStep>& LanguageSteps() {
    static const std::vector<TLanguageStep> steps = MakeSteps();
    return steps;
}

void ApplyLanguageLines(const TStringList& lines, ILanguageTargets& targets) {
    for (const TLanguageStep& step : LanguageSteps()) Apply(step, lines, targets);
}

std::string NoLanguageFileMessage() {
    return "No language file has been found.\nEs wurde keine Sprachdatei gefunden.";
}

std::string CorruptedLanguageFileMessage(const std::string& fileName) {
    // "beschädigt" in the code page the messages are shown in.
    return "The language " + fileName + " file is corrupted.\nDie Sprachdatei " + fileName +
           " ist besch\xE4" "digt.";
}
