// Modal interaction for tests: every message box, open dialog and error report is recorded,
// and answered from a script. A box that the script did not expect fails the test.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/Application.h"

struct RecordedBox {
    enum class Kind { MessageBox, OpenDialog, ErrorReport };
    Kind kind = Kind::MessageBox;
    std::string text;      // message text, the open dialog's filter, or the error's message
    std::string caption;   // message caption, or the error report's title
    TMsgButtons buttons = TMsgButtons::OK;
    TMsgIcon icon = TMsgIcon::None;
    std::string focus;     // the control that had the focus when the box came
};

class ScriptedDialogs : public IModalDialogs {
public:
    // The answers, in the order the boxes are expected to come.
    void ExpectMessageBox(TMsgAnswer answer) { answers_.push_back({RecordedBox::Kind::MessageBox, answer, {}}); }
    // An empty file name cancels the dialog.
    void ExpectOpenDialog(const std::string& chosenFile) {
        answers_.push_back({RecordedBox::Kind::OpenDialog, TMsgAnswer::OK, chosenFile});
    }
    void ExpectErrorReport() { answers_.push_back({RecordedBox::Kind::ErrorReport, TMsgAnswer::OK, {}}); }

    const std::vector<RecordedBox>& Boxes() const { return boxes_; }
    // Forgets the script and the boxes seen so far.
    void Reset() {
        answers_.clear();
        boxes_.clear();
    }
    // Fails the test when an expected box has not come.
    void VerifyAllAnswered() const;

    TMsgAnswer MessageBox(const TMessageBoxRequest& request) override;
    bool OpenFile(const TOpenDialogRequest& request, std::string& fileName) override;
    void ErrorReport(const std::string& title, const std::string& message) override;

private:
    struct Answer {
        RecordedBox::Kind kind;
        TMsgAnswer answer;
        std::string file;
    };
    Answer Next(RecordedBox::Kind kind, const RecordedBox& box);

    std::deque<Answer> answers_;
    std::vector<RecordedBox> boxes_;
};

// Installs a fresh ScriptedDialogs for the life of the object and puts the old one back.
class ScriptedDialogsScope {
public:
    ScriptedDialogsScope();
    ~ScriptedDialogsScope();
    ScriptedDialogs& operator*() { return *dialogs_; }
    ScriptedDialogs* operator->() { return dialogs_; }

private:
    ScriptedDialogs* dialogs_;
    std::unique_ptr<IModalDialogs> previous_;
};
