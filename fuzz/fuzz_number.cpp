// Fuzzes number entry: reading a typed text either gives a value or the conversion error,
// and a checked text always reads back as a value within the field's bounds.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "handling/NumberEntry.h"
#include "fuzz/FuzzProperties.h"
#include "platform/SysUtils.h"

namespace {

constexpr TFieldBounds Bounds{0, 20};

void CheckParse(const std::string& text) {
    try {
        const double value = ParseFieldNumber(text);
        Require(!std::isnan(value), "ParseFieldNumber never gives NaN");
    } catch (const EConvertError&) {
    } catch (...) {
        StopOnUnexpectedFailure("ParseFieldNumber");
    }
}

void CheckCheckedText(const std::string& text) {
    std::string checked;
    try {
        checked = CheckedFieldText(text, Bounds);
    } catch (const EConvertError&) {
        return;
    } catch (...) {
        StopOnUnexpectedFailure("CheckedFieldText");
    }
    double value = 0;
    try {
        value = ParseFieldNumber(checked);
    } catch (...) {
        Require(false, "the checked text reads as a number");
    }
    Require(value >= Bounds.Lower && value <= Bounds.Upper, "the checked text lies within the bounds");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    CheckParse(text);
    CheckCheckedText(text);
    return 0;
}
