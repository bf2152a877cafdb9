// The application object: title, form creation, the message loop, message boxes and the
// default error report. Modal interaction goes through one replaceable interface, so tests
// can script every box and no test ever waits on a real dialog.
#pragma once

#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "platform/Forms.h"

class QApplication;

enum class TMsgButtons { OK, YesNo, YesNoCancel };
enum class TMsgIcon { None, Error, Question };
enum class TMsgAnswer { OK, Yes, No, Cancel };

struct TMessageBoxRequest {
    std::string Text;
    std::string Caption;
    TMsgButtons Buttons = TMsgButtons::OK;
    TMsgIcon Icon = TMsgIcon::None;
};

struct TOpenDialogRequest {
    // "description|pattern" pairs, as the open-file dialog's filter is written.
    std::string Filter;
};

class IModalDialogs {
public:
    virtual ~IModalDialogs() = default;
    // The first button is the default one.
    virtual TMsgAnswer MessageBox(const TMessageBoxRequest& request) = 0;
    // True with the chosen file's full path, false when the user cancels.
    virtual bool OpenFile(const TOpenDialogRequest& request, std::string& fileName) = 0;
    // Shows a failure that no handler caught; the program goes on.
    virtual void ErrorReport(const std::string& title, const std::string& message) = 0;
};

// The desktop's own boxes and dialogs, which the application uses unless told otherwise.
std::unique_ptr<IModalDialogs> CreateDesktopDialogs();

class TApplication {
public:
    TApplication(int& argc, char** argv);
    ~TApplication();

    void Initialize() {}
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title);

    // Creates a form; the first one created is the main form, whose close ends the program.
    template <class T>
    void CreateForm(T*& reference) {
        auto form = std::make_unique<T>();
        reference = form.get();
        if (mainForm_ == nullptr) mainForm_ = form.get();
        forms_.push_back(std::move(form));
        reference->AfterConstruction();
    }
    TForm* MainForm() const { return mainForm_; }

    // Shows the main form and runs the message loop until the program ends.
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }

    TMsgAnswer MessageBox(const std::string& text, const std::string& caption,
                          TMsgButtons buttons, TMsgIcon icon);
    void ShowException(const std::string& message);
    // The default error report: platform errors show their message, anything else
    // an empty one.
    void HandleException(std::exception_ptr failure);

    IModalDialogs& Dialogs() { return *dialogs_; }
    // Returns the interface that was in place.
    std::unique_ptr<IModalDialogs> SetDialogs(std::unique_ptr<IModalDialogs> dialogs);

    // Frees every form and forgets the main form, so a test can start anew.
    void DestroyForms();

private:
    std::unique_ptr<QApplication> qt_;
    std::unique_ptr<IModalDialogs> dialogs_;
    std::string title_;
    std::vector<std::unique_ptr<TForm>> forms_;
    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
};

extern TApplication* Application;
