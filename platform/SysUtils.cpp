#include "platform/SysUtils.h"

#include <climits>
#include <optional>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoringCase(const std::string& text, const std::string& lowerWord) {
    if (text.size() != lowerWord.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (AsciiLower(text[i]) != lowerWord[i]) return false;
    return true;
}

// Accumulates as a negative number so that INT_MIN, whose magnitude has no positive int,
// is read without overflow.
std::optional<int> ParseInt(const std::string& text) {
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        negative = text[pos] == '-';
        ++pos;
    }
    if (pos == text.size()) return std::nullopt;
    int value = 0;
    for (; pos < text.size(); ++pos) {
        if (!IsDigit(text[pos])) return std::nullopt;
        const int digit = text[pos] - '0';
        if (value < (INT_MIN + digit) / 10) return std::nullopt;
        value = value * 10 - digit;
    }
    if (negative) return value;
    if (value == INT_MIN) return std::nullopt;
    return -value;
}

}  // namespace

std::string IntToStr(long long value) { return std::to_string(value); }

int StrToInt(const std::string& text) {
    const std::optional<int> value = ParseInt(text);
    if (!value) throw EConvertError("'" + text + "' is not a valid integer value");
    return *value;
}

bool StrToBool(const std::string& text) {
    if (const std::optional<int> value = ParseInt(text)) return *value != 0;
    if (EqualsIgnoringCase(text, "true")) return true;
    if (EqualsIgnoringCase(text, "false")) return false;
    throw EConvertError("'" + text + "' is not a valid boolean value");
}
