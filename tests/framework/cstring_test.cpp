// CString, string resources and the framework's placeholder formatting.
#include "framework/cstring.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "framework/framework_strings.h"
#include "framework/win_app.h"
#include "tests/framework/test_resource.h"

namespace {

std::string Str(const CString& s) { return std::string(s, s.GetLength()); }

TEST(CStringTest, EmptyReadsAsEmptyText)
{
    CString empty;
    CString fromNull(static_cast<const char*>(nullptr));
    for (const CString* s : {&empty, &fromNull}) {
        EXPECT_TRUE(s->IsEmpty());
        EXPECT_EQ(s->GetLength(), 0);
        ASSERT_NE(static_cast<const char*>(*s), nullptr);
        EXPECT_STREQ(*s, "");
    }
}

TEST(CStringTest, CopiesAreIndependent)
{
    CString original("设置成功");
    CString copy(original);
    CString assigned;
    assigned = original;
    original = "x";
    EXPECT_EQ(Str(copy), "设置成功");
    EXPECT_EQ(Str(assigned), "设置成功");
    EXPECT_EQ(Str(original), "x");
    EXPECT_NE(static_cast<const char*>(copy), static_cast<const char*>(assigned));
}

TEST(CStringTest, AssigningItselfKeepsTheText)
{
    CString s("http://127.0.0.1:8089");
    CString& alias = s;
    s = alias;
    EXPECT_EQ(Str(s), "http://127.0.0.1:8089");
    // From its own characters: the old block must outlive the copy.
    s = static_cast<const char*>(s) + 7;
    EXPECT_EQ(Str(s), "127.0.0.1:8089");
}

TEST(CStringTest, KeepsEmbeddedLengthAndTerminates)
{
    CString s("abcdef", 3);
    EXPECT_EQ(s.GetLength(), 3);
    EXPECT_STREQ(s, "abc");

    char* buffer = s.GetBufferSetLength(5);
    ASSERT_NE(buffer, nullptr);
    std::memcpy(buffer, "12345", 5);
    EXPECT_STREQ(s, "12345");
    EXPECT_EQ(s.GetBufferSetLength(0), nullptr);
    EXPECT_TRUE(s.IsEmpty());
}

TEST(CStringTest, LoadsStringResourcesAsCodePage936)
{
    CString s("previous");
    EXPECT_TRUE(s.LoadString(IDS_TEST_TEXT));
    EXPECT_EQ(Str(s), "测试：端口号");  // the literal is code page 936 too
    EXPECT_EQ(Str(s), "\xB2\xE2\xCA\xD4\xA3\xBA\xB6\xCB\xBF\xDA\xBA\xC5");

    EXPECT_FALSE(s.LoadString(0x7777));
    EXPECT_TRUE(s.IsEmpty());
}

struct PlaceholderCase {
    const char* pattern;
    const char* expected;
};

const PlaceholderCase kPlaceholderCases[] = {
    // pattern                  expected (arguments "0" and "999999")
    {"%1 to %2",                "0 to 999999"},
    {"%2%1%2",                  "9999990999999"},
    {"%1%1",                    "00"},
    {"100% %3 %%1",             "100% %3 %0"},
    {"ends with %",             "ends with %"},
    {"no placeholders",         "no placeholders"},
    {"",                        ""},
};

TEST(FormatStringTest, ReplacesPercentOneAndTwo)
{
    for (const PlaceholderCase& c : kPlaceholderCases) {
        SCOPED_TRACE(c.pattern);
        EXPECT_EQ(Str(FormatPlaceholders(c.pattern, "0", "999999")), c.expected);
    }
}

TEST(FormatStringTest, FrameworkRangeMessage)
{
    EXPECT_EQ(Str(AfxFormatString2(IDP_PARSE_INT_RANGE, "0", "999999")),
              "“请填入一个在0和999999之间的整数。”");
    CString text;
    text.LoadString(IDP_PARSE_INT);
    EXPECT_EQ(Str(text), "请键入一个整数。");
    text.LoadString(IDP_FAILED_TO_LAUNCH_HELP);
    EXPECT_EQ(Str(text), "启动帮助失败。");
}

}  // namespace
