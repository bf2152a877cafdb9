// Number entry of the value editors. The application runs with the system's C locale, so the
// conversions use from_chars and to_chars, which never look at it.
#include "handling/NumberEntry.h"

#include <array>
#include <charconv>
#include <cstddef>
#include <limits>
#include <optional>
#include <system_error>

#include "platform/SysUtils.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipDigits(const std::string& text, std::size_t at) {
    while (at < text.size() && IsDigit(text[at])) ++at;
    return at;
}

// The parts of a number text once its first "." has become ",".
struct TNumberParts {
    bool Negative = false;
    std::string Whole;     // one or more digits
    std::string Fraction;  // empty when the text has no decimal mark
};

std::optional<TNumberParts> SplitNumber(const std::string& text) {
    TNumberParts parts;
    std::size_t at = 0;
    if (at < text.size() && text[at] == '-') {
        parts.Negative = true;
        ++at;
    }
    const std::size_t wholeEnd = SkipDigits(text, at);
    if (wholeEnd == at) return std::nullopt;
    parts.Whole = text.substr(at, wholeEnd - at);
    at = wholeEnd;
    if (at == text.size()) return parts;
    if (text[at] != ',') return std::nullopt;
    const std::size_t fractionEnd = SkipDigits(text, ++at);
    if (fractionEnd == at || fractionEnd != text.size()) return std::nullopt;
    parts.Fraction = text.substr(at);
    return parts;
}

bool HasNonZeroDigit(const std::string& digits) {
    return digits.find_first_not_of('0') != std::string::npos;
}

// from_chars rounds correctly however many digits there are; when the value lies beyond a
// double it only reports the range, so the overflow or underflow is settled here.
double ValueOf(const TNumberParts& parts) {
    std::string plain = parts.Negative ? "-" : "";
    plain += parts.Whole;
    if (!parts.Fraction.empty()) plain += "." + parts.Fraction;
    double value = 0;
    const auto [end, error] =
        std::from_chars(plain.data(), plain.data() + plain.size(), value, std::chars_format::fixed);
    if (error != std::errc::result_out_of_range) return value;
    const double magnitude =
        HasNonZeroDigit(parts.Whole) ? std::numeric_limits<double>::infinity() : 0.0;
    return parts.Negative ? -magnitude : magnitude;
}

std::string WithFirstReplaced(std::string text, char from, char to) {
    const std::size_t at = text.find(from);
    if (at != std::string::npos) text[at] = to;
    return text;
}

}  // namespace

double ParseFieldNumber(const std::string& text) {
    const std::optional<TNumberParts> parts = SplitNumber(WithFirstReplaced(text, '.', ','));
    if (!parts) throw EConvertError("'" + text + "' is not a valid floating point value");
    return ValueOf(*parts);
}

std::string FormatFieldNumber(double value) {
    if (value == 0) value = 0;  // no "-0"
    std::array<char, 64> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::general, 15);
    return std::string(buffer.data(), end);
}

std::string CheckedFieldText(const std::string& text, const TFieldBounds& bounds) {
    const double value = ParseFieldNumber(text);
    if (value > bounds.Upper) return FormatFieldNumber(bounds.Upper);
    if (value < bounds.Lower) return FormatFieldNumber(bounds.Lower);
    return WithFirstReplaced(text, ',', '.');
}
