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

// Focus moves that are no exits: those the program makes itself (an exit handler giving the
// focus back to the editor it refused, the closing checks moving it from one refused editor
// to the next) and any made while an exit handler runs. Exits are the user's leaving; were
// these exits too, two editors refusing their text would hand the focus to and fro.
class ExitsSuspended {
public:
    ExitsSuspended();
    ~ExitsSuspended();
    static bool Active();
};

// Installs the application-wide filter behind SwallowCurrentMousePress.
void InstallMousePressFilter();
