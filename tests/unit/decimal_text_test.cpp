#include "settings/decimal_text.h"

#include <gtest/gtest.h>

#include <cstdint>

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
