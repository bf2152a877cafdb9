// A language file's 96 lines and where each goes: labels, captions, hints, choice items and
// message texts of the main window, applied in a fixed order, each line fetched just before
// it is applied. The line's number is its only key.
#pragma once

#include <string>
#include <vector>

#include "platform/TextList.h"

inline constexpr int LanguageLineCount = 96;

// What the lines are applied to; the main window provides it.
class ILanguageTargets {
public:
    virtual ~ILanguageTargets() = default;
    virtual void SetEditorLabel(int editor, const std::string& text) = 0;
    virtual void SetEditorHint(int editor, const std::string& text) = 0;
    // The caption of a label, frame, check box or button, by the control's name.
    virtual void SetCaption(const std::string& control, const std::string& text) = 0;
    virtual void ClearItems(const std::string& box) = 0;
    virtual void AddItem(const std::string& box, const std::string& text) = 0;
    virtual void SetMessageText(int slot, const std::string& text) = 0;
};

struct TLanguageStep {
    enum class Kind { EditorLabel, EditorHint, Caption, ClearItems, AddItem, MessageText };
    Kind kind;
    int line;             // the language file's line; -1 for ClearItems, which reads none
    const char* control;  // Caption, ClearItems, AddItem
    int index;            // EditorLabel, EditorHint: the editor entry; MessageText: the slot
};

// Every step, in the order they are applied.
const std::vector<TLanguageStep>& LanguageSteps();

// Applies the lines step by step. A line that is not there fails with the text list's index
// error; what was applied before it stays.
void ApplyLanguageLines(const TStringList& lines, ILanguageTargets& targets);

// The two fatal messages, an English and a German sentence joined by one line feed.
inline constexpr const char* FatalErrorCaption = "Fatal Error || Fataler Fehler";
std::string NoLanguageFileMessage();
std::string CorruptedLanguageFileMessage(const std::string& fileName);
