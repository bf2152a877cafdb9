// Text-number conversions: which texts are integers and booleans, and what the errors say.
#include "platform/SysUtils.h"

#include <climits>
#include <string>

#include <gtest/gtest.h>

namespace {

TEST(IntToStr, WritesDecimalWithMinusSign) {
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(-42), "-42");
    EXPECT_EQ(IntToStr(LLONG_MIN), "-9223372036854775808");
    EXPECT_EQ(IntToStr(LLONG_MAX), "9223372036854775807");
}

TEST(StrToInt, AcceptsSignAndDigitsWithinIntRange) {
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"0", 0},           {"7", 7},           {"-17", -17},
        {"+5", 5},          {"007", 7},         {"-0", 0},
        {"2147483647", INT_MAX},                {"-2147483648", INT_MIN},
        {"+2147483647", INT_MAX},               {"000000000002147483647", INT_MAX},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(StrToInt(c.text), c.value);
    }
}

TEST(StrToInt, RejectsEverythingElse) {
    const char* const texts[] = {
        "",    " ",    " 1",   "1 ",  "1.5", "12a", "abc", "+",          "-",
        "+-1", "--1",  "0x10", "1e3", "1,000", "\t1", "2147483648", "-2147483649",
        "99999999999999999999", "\xb2",
    };
    for (const std::string text : texts) {
        SCOPED_TRACE("'" + text + "'");
        EXPECT_THROW(StrToInt(text), EConvertError);
    }
}

TEST(StrToInt, ErrorQuotesTheText) {
    try {
        StrToInt("abc");
        FAIL() << "no error";
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.Message(), "'abc' is not a valid integer value");
    }
}

TEST(StrToBool, ReadsIntegersAndWords) {
    const struct {
        const char* text;
        bool value;
    } cases[] = {
        {"0", false},     {"1", true},      {"-1", true},     {"+3", true},
        {"2147483647", true},               {"true", true},   {"TRUE", true},
        {"True", true},   {"false", false}, {"FALSE", false}, {"fAlSe", false},
        // The integer's value counts, not its spelling.
        {"00", false},    {"-0", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(StrToBool(c.text), c.value);
    }
}

TEST(StrToBool, RejectsOtherTexts) {
    const char* const texts[] = {"", " ", "x", "yes", "no", "t", "f", " true", "true ",
                                 "1.0", "2147483648", "truefalse"};
    for (const std::string text : texts) {
        SCOPED_TRACE("'" + text + "'");
        EXPECT_THROW(StrToBool(text), EConvertError);
    }
}

TEST(StrToBool, ErrorQuotesTheText) {
    try {
        StrToBool("x");
        FAIL() << "no error";
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.Message(), "'x' is not a valid boolean value");
    }
}

}  // namespace
