// Tests of number entry: which texts are numbers, what a left editor's text becomes, the
// values read, the bounds' texts, and that none of it follows the system's locale.
#include "handling/NumberEntry.h"

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "handling/RecordFields.h"
#include "platform/SysUtils.h"
#include "tests/support/TempFolder.h"

namespace {

constexpr TFieldBounds Size{0, 20};
constexpr TFieldBounds Mass{1, 50000};
constexpr TFieldBounds Loss{0.1, 30};
constexpr TFieldBounds Damping{0.01, 5};
constexpr TFieldBounds Centre{-10, 10};
constexpr TFieldBounds LowerLimit{-1, 0};
constexpr TFieldBounds Gears{1, 5};

const std::optional<std::string> NotANumber;

std::string Digits(std::size_t count, char digit) { return std::string(count, digit); }

struct CheckCase {
    std::string text;
    TFieldBounds bounds;
    std::optional<std::string> result;  // NotANumber: EConvertError expected
};

std::vector<CheckCase> CheckCases() {
    const std::string longInteger = "9" + Digits(399, '0');
    const std::string tinyFraction = "0," + Digits(400, '0') + "1";
    return {
        // Either mark once; the first "," becomes ".", the rest of the text is kept.
        {"1,5", Size, "1.5"},
        {"1.5", Size, "1.5"},
        {"1,000", Size, "1.000"},
        {"1.50", Size, "1.50"},
        {"007", Size, "007"},
        {"-0", Size, "-0"},
        {"25", Size, "20"},
        {"-3", Size, "0"},
        // Not numbers: two marks of any kind, stray characters, missing digits, other forms.
        {"1,5,5", Size, NotANumber},
        {"1.5.5", Size, NotANumber},
        {"1.5,5", Size, NotANumber},
        {"1,5.5", Size, NotANumber},
        {"zwei", Size, NotANumber},
        {"12ab", Size, NotANumber},
        {"1 2", Size, NotANumber},
        {".", Size, NotANumber},
        {",", Size, NotANumber},
        {"", Size, NotANumber},
        {"-", Size, NotANumber},
        {"--1", Size, NotANumber},
        {"1-", Size, NotANumber},
        {" 1", Size, NotANumber},
        {"1 ", Size, NotANumber},
        {"1\t", Size, NotANumber},
        {"+1", Size, NotANumber},
        {"1e3", Size, NotANumber},
        {"1,5E2", Size, NotANumber},
        {",5", Size, NotANumber},
        {".5", Size, NotANumber},
        {"-,5", Size, NotANumber},
        {"5,", Size, NotANumber},
        {"5.", Size, NotANumber},
        {"inf", Size, NotANumber},
        {"nan", Size, NotANumber},
        {"0x10", Size, NotANumber},
        // Mass.
        {"50000", Mass, "50000"},
        {"50000,0", Mass, "50000.0"},
        {"50000.5", Mass, "50000"},
        {"0", Mass, "1"},
        {"-3", Mass, "1"},
        // A text that spells the bound 0.1 equals it.
        {"0.1", Loss, "0.1"},
        {"0.10", Loss, "0.10"},
        {"0,1", Loss, "0.1"},
        {"0.05", Loss, "0.1"},
        {"30.01", Loss, "30"},
        {"0.001", Damping, "0.01"},
        {"0.01", Damping, "0.01"},
        {"0,01", Damping, "0.01"},
        // Negative bounds.
        {"-10", Centre, "-10"},
        {"-10.5", Centre, "-10"},
        {"11", Centre, "10"},
        {"-1", LowerLimit, "-1"},
        {"0", LowerLimit, "0"},
        {"0.5", LowerLimit, "0"},
        {"-2", LowerLimit, "-1"},
        {"2.5", Gears, "2.5"},
        // Digit strings beyond a double read as infinite or zero and are clamped or kept.
        {longInteger, Size, "20"},
        {"-" + longInteger, Size, "0"},
        {"-" + longInteger, Centre, "-10"},
        {longInteger + ",5", Mass, "50000"},
        {tinyFraction, Size, "0." + Digits(400, '0') + "1"},
        {"-" + tinyFraction, Size, "-0." + Digits(400, '0') + "1"},
        {tinyFraction, Mass, "1"},
    };
}

std::string Shortened(const std::string& text) {
    return text.size() <= 40 ? text : text.substr(0, 20) + "..." + text.substr(text.size() - 10);
}

TEST(CheckedFieldText, TextsAndTheirResults) {
    for (const auto& c : CheckCases()) {
        SCOPED_TRACE("\"" + Shortened(c.text) + "\" in " + FormatFieldNumber(c.bounds.Lower) +
                     ".." + FormatFieldNumber(c.bounds.Upper));
        if (!c.result) {
            EXPECT_THROW(ParseFieldNumber(c.text), EConvertError);
            EXPECT_THROW(CheckedFieldText(c.text, c.bounds), EConvertError);
            continue;
        }
        EXPECT_NO_THROW(ParseFieldNumber(c.text));
        EXPECT_EQ(CheckedFieldText(c.text, c.bounds), *c.result);
    }
}

TEST(ParseFieldNumber, FailureNamesTheText) {
    try {
        ParseFieldNumber("1,5,5");
        FAIL() << "no error";
    } catch (const EConvertError& error) {
        EXPECT_STREQ(error.what(), "'1,5,5' is not a valid floating point value");
    }
}

TEST(ParseFieldNumber, Values) {
    const double infinity = std::numeric_limits<double>::infinity();
    struct Case {
        std::string text;
        double value;
    };
    const Case cases[] = {
        {"0.1", 0.1},
        {"0,10", 0.1},
        {"0.01", 0.01},
        {"1,5", 1.5},
        {"-2.25", -2.25},
        {"007", 7},
        {"1" + Digits(308, '0'), 1e308},
        {"9" + Digits(399, '0'), infinity},
        {"-9" + Digits(399, '0'), -infinity},
        {"0," + Digits(400, '0') + "1", 0},
        {"0.1" + Digits(398, '0') + "1", 0.1},
        // Just above the midpoint of two doubles only from the 401st digit after the mark:
        // cutting the digits short would round down to 2^53.
        {"9007199254740993," + Digits(400, '0') + "1", 9007199254740994.0},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseFieldNumber(c.text), c.value) << Shortened(c.text);
    EXPECT_TRUE(std::signbit(ParseFieldNumber("-0," + Digits(400, '0') + "1")));
}

struct BoundText {
    double bound;
    std::string text;
};

const std::vector<BoundText>& BoundTexts() {
    static const std::vector<BoundText> texts = {
        {-10, "-10"}, {-5, "-5"}, {-1, "-1"},   {0, "0"},     {0.01, "0.01"},   {0.1, "0.1"},
        {1, "1"},     {2, "2"},   {3, "3"},     {5, "5"},     {10, "10"},       {15, "15"},
        {20, "20"},   {30, "30"}, {99, "99"},   {150, "150"}, {999, "999"},     {50000, "50000"},
        {99999, "99999"},
    };
    return texts;
}

void ExpectBoundTexts() {
    for (const auto& b : BoundTexts()) EXPECT_EQ(FormatFieldNumber(b.bound), b.text);
}

TEST(FormatFieldNumber, TextsOfTheBounds) {
    ExpectBoundTexts();
    EXPECT_EQ(FormatFieldNumber(-0.0), "0");
}

// Every bound of the field table is one of the texts above, and reads back as itself.
TEST(FormatFieldNumber, CoversEveryFieldBound) {
    for (int editor = 0; editor < ValueEditorCount; ++editor) {
        const TFieldBounds& bounds = FieldOfEditor(editor).Bounds;
        for (const double bound : {bounds.Lower, bounds.Upper}) {
            bool listed = false;
            for (const auto& b : BoundTexts()) listed = listed || b.bound == bound;
            EXPECT_TRUE(listed) << "editor " << editor << " bound " << bound;
            EXPECT_EQ(ParseFieldNumber(FormatFieldNumber(bound)), bound);
        }
    }
}

// Puts a locale with "," as its decimal mark in place and restores the previous one, however
// the test ends.
class CommaLocale {
public:
    CommaLocale() : previous_(std::setlocale(LC_ALL, nullptr)) {
        if (TryInstalledLocales() || TryLocaleBuiltHere()) active_ = true;
    }
    ~CommaLocale() {
        std::setlocale(LC_ALL, previous_.c_str());
        if (builtHere_) unsetenv("LOCPATH");
    }
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;
    bool Active() const { return active_; }

private:
    static bool TryInstalledLocales() {
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"})
            if (std::setlocale(LC_ALL, name)) return true;
        return false;
    }

    // Machines often carry the locales' sources but no compiled German one: compile it into
    // this test's own folder, which the C library then looks in.
    bool TryLocaleBuiltHere() {
        if (!std::filesystem::exists("/usr/share/i18n/locales/de_DE")) return false;
        const std::string target = folder_ / "de_DE.UTF-8";
        const std::string command = "localedef -i de_DE -f UTF-8 '" + target + "' >/dev/null 2>&1";
        if (std::system(command.c_str()) != 0 && !std::filesystem::exists(target + "/LC_NUMERIC")) return false;
        setenv("LOCPATH", folder_.Path().c_str(), 1);
        builtHere_ = true;
        return std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    }

    std::string previous_;
    bool active_ = false;
    bool builtHere_ = false;
    TempFolder folder_;
};

TEST(NumberEntry, IgnoresTheSystemLocale) {
    const CommaLocale locale;
    if (!locale.Active()) GTEST_SKIP() << "no German locale on this system";
    EXPECT_STREQ(std::localeconv()->decimal_point, ",");
    ExpectBoundTexts();
    EXPECT_EQ(ParseFieldNumber("1.5"), 1.5);
    EXPECT_EQ(ParseFieldNumber("1,5"), 1.5);
    EXPECT_EQ(ParseFieldNumber("0,1"), 0.1);
    EXPECT_EQ(CheckedFieldText("0,05", Loss), "0.1");
    EXPECT_EQ(CheckedFieldText("2,5", Gears), "2.5");
}

}  // namespace
