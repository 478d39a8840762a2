#include "settings/decimal_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

namespace {

struct AtolCase {
    const char* text;
    std::int32_t expected;
};

// text                   expected
const AtolCase kAtolCases[] = {
    {"",                      0},
    {"abc",                   0},
    {"8089",                  8089},
    {"  -12x",                -12},
    {"+5",                    5},
    {"\t\n\v\f\r7",           7},
    {"- 5",                   0},
    {"--5",                   0},
    {"12 34",                 12},
    {"0008089",               8089},
    {"2147483647",            INT32_MAX},
    {"2147483648",            INT32_MIN},
    {"-2147483648",           INT32_MIN},
    {"4294967296",            0},
    {"4294967297",            1},
    {"99999999999",           1215752191},
    {"-1",                    -1},
    {"1/app",                 1},
};

TEST(WrappingAtol, ReadsDecimalTextLikeTheRuntimeAndWrapsAt32Bits)
{
    for (const AtolCase& c : kAtolCases) {
        SCOPED_TRACE(::testing::Message() << "text \"" << c.text << "\"");
        EXPECT_EQ(WrappingAtol(c.text), c.expected);
    }
}

}  // namespace

namespace {

struct FormatCase {
    const char* format;
    std::int32_t values[3];
    int count;
    int capacity;
    const char* expected;
    bool fits;
};

// format          values                      count cap  expected                     fits
const FormatCase kFormatCases[] = {
    {"a%db%dc",     {0, 42, 0},                 2,    32,  "a0b42c",                    true},
    {"%d:%d:%d",    {-1, INT32_MIN, INT32_MAX}, 3,    64,  "-1:-2147483648:2147483647", true},
    {"100%",        {0, 0, 0},                  0,    32,  "100%",                      true},
    {"%x%d",        {7, 0, 0},                  1,    32,  "%x7",                       true},
    {"%d%d",        {1, 0, 0},                  1,    32,  "1",                         false},
    {"port %d",     {999999, 0, 0},             1,    8,   "port 99",                   false},
    {"%d",          {123, 0, 0},                1,    4,   "123",                       true},
    {"%d",          {1234, 0, 0},               1,    4,   "123",                       false},
};

TEST(FormatDecimals, ReplacesEachPercentDAndStaysInsideTheBuffer)
{
    for (const FormatCase& c : kFormatCases) {
        SCOPED_TRACE(::testing::Message() << "format \"" << c.format << "\" capacity " << c.capacity);
        char out[80];
        std::memset(out, 'X', sizeof out);
        EXPECT_EQ(FormatDecimals(out, c.capacity, c.format, c.values, c.count), c.fits);
        EXPECT_STREQ(out, c.expected);
        for (int i = c.capacity; i < static_cast<int>(sizeof out); ++i) ASSERT_EQ(out[i], 'X') << i;
    }
}

}  // namespace
