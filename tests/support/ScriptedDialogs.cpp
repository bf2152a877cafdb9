#include "tests/support/ScriptedDialogs.h"

#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>

namespace {
const char* KindName(RecordedBox::Kind kind) {
    switch (kind) {
        case RecordedBox::Kind::MessageBox: return "message box";
        case RecordedBox::Kind::OpenDialog: return "open dialog";
        case RecordedBox::Kind::ErrorReport: return "error report";
    }
    return "?";
}
}  // namespace

ScriptedDialogs::Answer ScriptedDialogs::Next(RecordedBox::Kind kind, const RecordedBox& box) {
    boxes_.push_back(box);
    if (const QWidget* focus = QApplication::focusWidget()) boxes_.back().focus = focus->objectName().toStdString();
    if (answers_.empty() || answers_.front().kind != kind) {
        ADD_FAILURE() << "unexpected " << KindName(kind) << ": \"" << box.text << "\" / \""
                      << box.caption << "\"";
        return {kind, TMsgAnswer::Cancel, {}};
    }
    Answer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

TMsgAnswer ScriptedDialogs::MessageBox(const TMessageBoxRequest& request) {
    RecordedBox box{RecordedBox::Kind::MessageBox, request.Text, request.Caption, request.Buttons,
                    request.Icon, {}};
    return Next(box.kind, box).answer;
}

bool ScriptedDialogs::OpenFile(const TOpenDialogRequest& request, std::string& fileName) {
    RecordedBox box{RecordedBox::Kind::OpenDialog, request.Filter, {}, TMsgButtons::OK, TMsgIcon::None, {}};
    Answer answer = Next(box.kind, box);
    if (answer.file.empty()) return false;
    fileName = answer.file;
    return true;
}

void ScriptedDialogs::ErrorReport(const std::string& title, const std::string& message) {
    RecordedBox box{RecordedBox::Kind::ErrorReport, message, title, TMsgButtons::OK, TMsgIcon::Error, {}};
    Next(box.kind, box);
}

void ScriptedDialogs::VerifyAllAnswered() const {
    for (const Answer& answer : answers_) ADD_FAILURE() << "expected " << KindName(answer.kind) << " did not come";
}

ScriptedDialogsScope::ScriptedDialogsScope() {
    auto dialogs = std::make_unique<ScriptedDialogs>();
    dialogs_ = dialogs.get();
    previous_ = Application->SetDialogs(std::move(dialogs));
}

ScriptedDialogsScope::~ScriptedDialogsScope() {
    dialogs_->VerifyAllAnswered();
    Application->SetDialogs(std::move(previous_));
}
