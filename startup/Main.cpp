// The application entry: the title, the main window, then the hidden credits window, and the
// message loop until the main window closes.
#include "platform/Application.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"

int main(int argc, char** argv) {
    TApplication application(argc, argv);
    try {
        Application->Initialize();
        Application->SetTitle("Wendrix");
        Application->CreateForm(Form1);
        Application->CreateForm(Form2);
        Application->Run();
    } catch (...) {
        Application->HandleException(std::current_exception());
    }
    return 0;
}
