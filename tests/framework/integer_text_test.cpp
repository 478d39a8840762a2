// The integer exchange's reading rule, case by case.
#include "framework/integer_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

namespace {

constexpr std::int32_t UNTOUCHED = 123456789;

struct IntegerCase {
    std::string text;
    bool accepted;
    std::int32_t value;  // when accepted
};

std::string Spaces(int n) { return std::string(n, ' '); }

const IntegerCase kCases[] = {
    // text                                      accepted  value
    {"443",                                      true,     443},
    {"  443  ",                                  true,     443},
    {"\t443\t ",                                 true,     443},
    {"+12",                                      true,     12},
    {"0",                                        true,     0},
    {"  0  ",                                    true,     0},
    {"000",                                      true,     0},
    {"007",                                      true,     7},
    {"999999",                                   true,     999999},
    // Range is the DDV's business; the reading takes any 32-bit number.
    {"1000000",                                  true,     1000000},
    {"-1",                                       true,     -1},
    // Beyond 32 bits: the nearest limit, as strtol gives it.
    {"2147483647",                               true,     INT_MAX},
    {"2147483648",                               true,     INT_MAX},
    {"99999999999999999999",                     true,     INT_MAX},
    {"-2147483648",                              true,     INT_MIN},
    {"-99999999999",                             true,     INT_MIN},
    // strtol skips its own white space after the blanks...
    {" \r\n5",                                   true,     5},
    // ...but a zero counts only when '0' is the first non-blank.
    {" \n0",                                     false,    0},
    {"-0",                                       false,    0},
    {"+0",                                       false,    0},
    {"-",                                        false,    0},
    {"",                                         false,    0},
    {"   ",                                      false,    0},
    {"44 3",                                     false,    0},
    {"abc",                                      false,    0},
    {"443x",                                     false,    0},
    {"x443",                                     false,    0},
    {"0x10",                                     false,    0},
    {"1.5",                                      false,    0},
    {"5\n",                                      false,    0},
    {"5\xD6\xD0",                                false,    0},  // a Chinese character after it
    {"\xA3\xB5",                                 false,    0},  // full-width 5
    // Only the first 31 characters count.
    {"443" + Spaces(28) + "x",                   true,     443},
    {"443" + Spaces(27) + "x",                   false,    0},
    {Spaces(30) + "5",                           true,     5},
    {Spaces(31) + "5",                           false,    0},
    {std::string(30, '0') + "1",                 true,     1},
    {std::string(31, '0') + "1",                 true,     0},
    {"1" + std::string(30, '0') + "1",           true,     INT_MAX},
};

TEST(IntegerTextTest, ReadsTheWayTheExchangeDoes)
{
    for (const IntegerCase& c : kCases) {
        SCOPED_TRACE("text \"" + c.text + "\"");
        std::int32_t value = UNTOUCHED;
        ASSERT_EQ(ParseIntegerText(c.text.c_str(), value), c.accepted);
        EXPECT_EQ(value, c.accepted ? c.value : UNTOUCHED);
    }
}

TEST(IntegerTextTest, ReadsNothingPastThe31stCharacter)
{
    // No terminator within reach of the 31 characters would do: the rest of
    // the buffer is garbage that must not be read.
    char text[64];
    std::memset(text, 'x', sizeof text);
    std::memcpy(text, "12", 2);
    std::memset(text + 2, ' ', 29);
    std::int32_t value = UNTOUCHED;
    EXPECT_TRUE(ParseIntegerText(text, value));
    EXPECT_EQ(value, 12);
}

}  // namespace
