// Errors and text-number conversions of the platform, and the path separator.
// Every failure the program raises is an Exception or one of its kinds below.
#pragma once

#include <stdexcept>
#include <string>

// The separator between a folder and what lies in it on this system.
#ifdef _WIN32
inline constexpr const char* PathDelim = "\\";
#else
inline constexpr const char* PathDelim = "/";
#endif

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

// Reading or replacing a text list's line outside 0 .. Count() - 1.
class EStringListError : public Exception {
public:
    using Exception::Exception;
};

// A file that cannot be opened, read, created or written.
class EFileError : public Exception {
public:
    using Exception::Exception;
};

// A text that does not spell the value it is read as.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

std::string IntToStr(long long value);

// Optional "-" or "+", then decimal digits only, within the range of int.
int StrToInt(const std::string& text);

// "0" is false; any other integer text, "true" and "false" (any case) are accepted too.
bool StrToBool(const std::string& text);
