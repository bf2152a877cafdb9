// The open-file dialog as a component of a form.
#pragma once

#include <string>

class TOpenDialog {
public:
    // "description|pattern", pairs separated by "|".
    std::string Filter;
    std::string FileName;
    // Runs the dialog; true when the user chose a file, whose full path is then FileName.
    bool Execute();
};
