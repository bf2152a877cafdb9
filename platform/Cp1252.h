// The widget boundary's text conversion: every byte maps to one character by Windows code
// page 1252, its five unassigned bytes to the C1 controls of the same value, so any byte
// string survives the round trip; a character the code page cannot hold becomes "?".
#pragma once

#include <string>
#include <string_view>

class QString;

QString FromCp1252(std::string_view bytes);
std::string ToCp1252(const QString& text);

// For texts written in UTF-8 source files, such as the window's design texts.
std::string Cp1252FromUtf8(std::string_view utf8);
