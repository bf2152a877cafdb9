// The platform's one way into the program's handlers, and the bookkeeping behind the focus
// rules that more than one control kind shares. Private to the platform layer.
#pragma once

#include <functional>

class TForm;

// Runs handler unless form is being torn down; a failure goes to the default error report.
// Returns false when the handler failed.
bool DispatchEvent(const TForm* form, const std::function<void()>& handler);

// A mouse press that moved the focus out of an editor whose exit handler took the focus back
// must not act on the control it was aimed at: the press (and its release) are swallowed.
void SwallowCurrentMousePress();

// While an exit handler runs, focus moves it makes are not exits of other editors, so two
// editors that both refuse their text cannot hand the focus to and fro for ever.
class ExitHandlerScope {
public:
    ExitHandlerScope();
    ~ExitHandlerScope();
    static bool Active();
};

// Installs the application-wide filter behind SwallowCurrentMousePress.
void InstallMousePressFilter();
