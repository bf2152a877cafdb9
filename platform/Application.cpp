#include "platform/Application.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFont>
#include <QMessageBox>
#include <QMouseEvent>
#include <QStringList>

#include "platform/Cp1252.h"
#include "platform/Dispatch.h"
#include "platform/SysUtils.h"

TApplication* Application = nullptr;

namespace {

// The real boxes, on Qt's dialogs.
class QtDialogs : public IModalDialogs {
public:
    TMsgAnswer MessageBox(const TMessageBoxRequest& request) override {
        QMessageBox box(IconOf(request.Icon), FromCp1252(request.Caption), FromCp1252(request.Text),
                        QMessageBox::NoButton, QApplication::activeWindow());
        switch (request.Buttons) {
            case TMsgButtons::OK:
                box.setDefaultButton(box.addButton(QMessageBox::Ok));
                break;
            case TMsgButtons::YesNo:
                box.setDefaultButton(box.addButton(QMessageBox::Yes));
                box.addButton(QMessageBox::No);
                break;
            case TMsgButtons::YesNoCancel:
                box.setDefaultButton(box.addButton(QMessageBox::Yes));
                box.addButton(QMessageBox::No);
                box.addButton(QMessageBox::Cancel);
                break;
        }
        switch (box.exec()) {
            case QMessageBox::Yes: return TMsgAnswer::Yes;
            case QMessageBox::No: return TMsgAnswer::No;
            case QMessageBox::Cancel: return TMsgAnswer::Cancel;
            default: return request.Buttons == TMsgButtons::OK ? TMsgAnswer::OK : TMsgAnswer::Cancel;
        }
    }

    bool OpenFile(const TOpenDialogRequest& request, std::string& fileName) override {
        const QString chosen = QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(),
                                                            QString(), QtFilterOf(request.Filter));
        if (chosen.isEmpty()) return false;
        // A path is a name in the file system's own encoding, not a text of the window.
        fileName = QFile::encodeName(chosen).toStdString();
        return true;
    }

    void ErrorReport(const std::string& title, const std::string& message) override {
        QMessageBox::critical(QApplication::activeWindow(), FromCp1252(title), FromCp1252(message));
    }

private:
    static QMessageBox::Icon IconOf(TMsgIcon icon) {
        switch (icon) {
            case TMsgIcon::Error: return QMessageBox::Critical;
            case TMsgIcon::Question: return QMessageBox::Question;
            case TMsgIcon::None: break;
        }
        return QMessageBox::NoIcon;
    }

    // "description|pattern|description|pattern" becomes Qt's "description (pattern);;...".
    static QString QtFilterOf(const std::string& filter) {
        const QStringList parts = FromCp1252(filter).split('|');
        QStringList entries;
        for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
            entries << parts[i] + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
        return entries.join(";;");
    }
};

bool swallowNextPress = false;
bool swallowNextRelease = false;
int exitsSuspended = 0;

class MousePressFilter : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
                if (!swallowNextPress) break;
                swallowNextPress = false;
                swallowNextRelease = true;
                return true;
            case QEvent::MouseButtonRelease:
                if (!swallowNextRelease) break;
                swallowNextRelease = false;
                return true;
            default:
                break;
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

std::unique_ptr<IModalDialogs> CreateDesktopDialogs() { return std::make_unique<QtDialogs>(); }

bool DispatchEvent(const TForm* form, const std::function<void()>& handler) {
    if (form != nullptr && form->Destroying()) return true;
    try {
        handler();
        return true;
    } catch (...) {
        Application->HandleException(std::current_exception());
        return false;
    }
}

void SwallowCurrentMousePress() { swallowNextPress = true; }

ExitsSuspended::ExitsSuspended() { ++exitsSuspended; }
ExitsSuspended::~ExitsSuspended() { --exitsSuspended; }
bool ExitsSuspended::Active() { return exitsSuspended > 0; }

void InstallMousePressFilter() {
    static MousePressFilter filter;
    qApp->installEventFilter(&filter);
}

TApplication::TApplication(int& argc, char** argv)
    : qt_(std::make_unique<QApplication>(argc, argv)), dialogs_(CreateDesktopDialogs()) {
    Application = this;
    // Closing the main form ends the program, not the closing of whatever window was last.
    QApplication::setQuitOnLastWindowClosed(false);
    InstallMousePressFilter();
    // The design's font is the classic desktop's "MS Sans Serif"; where it is missing, a font
    // of Arial's narrow metrics keeps the texts within the designed layout.
    QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "Arial", "DejaVu Sans Condensed"});
}

TApplication::~TApplication() {
    DestroyForms();
    Application = nullptr;
}

void TApplication::SetTitle(const std::string& title) {
    title_ = title;
    QApplication::setApplicationDisplayName(FromCp1252(title));
}

void TApplication::Run() {
    if (mainForm_ == nullptr) return;
    mainForm_->Show();
    if (!terminated_) qt_->exec();
}

void TApplication::Terminate() {
    terminated_ = true;
    QApplication::quit();
}

TMsgAnswer TApplication::MessageBox(const std::string& text, const std::string& caption,
                                    TMsgButtons buttons, TMsgIcon icon) {
    return dialogs_->MessageBox({text, caption, buttons, icon});
}

void TApplication::ShowException(const std::string& message) { dialogs_->ErrorReport(title_, message); }

void TApplication::HandleException(std::exception_ptr failure) {
    try {
        std::rethrow_exception(failure);
    } catch (const std::exception& error) {
        ShowException(error.what());
    } catch (...) {
        ShowException("");
    }
}

std::unique_ptr<IModalDialogs> TApplication::SetDialogs(std::unique_ptr<IModalDialogs> dialogs) {
    std::swap(dialogs_, dialogs);
    return dialogs;
}

void TApplication::DestroyForms() {
    // Forms go in reverse order of creation, the main form last.
    while (!forms_.empty()) forms_.pop_back();
    mainForm_ = nullptr;
    terminated_ = false;
}
