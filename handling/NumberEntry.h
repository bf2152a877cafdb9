// Reading, writing and checking the numbers typed into the value editors. The decimal mark is
// "." in the file; "," is accepted when typing. Nothing here depends on the system's locale.
#pragma once

#include <string>

#include "handling/RecordFields.h"

// Optional "-", one or more digits, optionally one decimal mark followed by one or more digits;
// the first "." counts as ",", so either mark is accepted once. EConvertError for anything
// else. A digit string too long for a double reads as its value (infinite or zero).
double ParseFieldNumber(const std::string& text);

// At most 15 significant digits, "." as the decimal mark, no trailing zeros; no exponent for
// values of a field's bounds.
std::string FormatFieldNumber(double value);

// The text a value editor gets when it is left: the bound's text when the value lies outside,
// otherwise the same text with its first "," turned into ".". EConvertError when the text is
// not a number.
std::string CheckedFieldText(const std::string& text, const TFieldBounds& bounds);
