// The seam between the program's code-page-936 texts and the wide API. It
// must give the same Chinese text whatever the system's ANSI code page is:
// the suite runs under zh_CN.UTF-8 (code page 936) and C.UTF-8 (1252).
#include "framework/wide_text.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/menu.h"

namespace {

std::string Str(const CString& s) { return std::string(s, s.GetLength()); }

// "设置成功" in code page 936, spelt out so the test does not lean on the
// compiler's execution character set alone.
const char kSaved936[] = "\xC9\xE8\xD6\xC3\xB3\xC9\xB9\xA6";

class WideTextTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Record which ANSI code page this run has, for the reader of a failure.
        RecordProperty("ansi_code_page", static_cast<int>(GetACP()));
    }
};

TEST_F(WideTextTest, ConvertsFromCodePage936)
{
    EXPECT_STREQ(static_cast<const wchar_t*>(WideText(kSaved936)), L"设置成功");
    EXPECT_STREQ(static_cast<const wchar_t*>(WideText("“请键入一个整数。”")), L"“请键入一个整数。”");
    EXPECT_STREQ(static_cast<const wchar_t*>(WideText("")), L"");
    EXPECT_EQ(static_cast<const wchar_t*>(WideText(nullptr)), nullptr);
}

TEST_F(WideTextTest, ConvertsToCodePage936)
{
    EXPECT_EQ(Str(NarrowText(L"设置成功")), kSaved936);
    EXPECT_EQ(Str(NarrowText(L"设置成功", 2)), std::string(kSaved936, 4));
    EXPECT_EQ(Str(NarrowText(L"abc", 0)), "");
    EXPECT_EQ(Str(NarrowText(nullptr)), "");
    // A character that code page 936 lacks.
    EXPECT_EQ(Str(NarrowText(L"a\u0E01b")), "a?b");
}

TEST_F(WideTextTest, WindowTextBothWays)
{
    HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr,
                                nullptr, nullptr);
    ASSERT_NE(edit, nullptr);
    SetWindowTextString(edit, "端口号:");
    wchar_t shown[32] = {};
    GetWindowTextW(edit, shown, 32);
    EXPECT_STREQ(shown, L"端口号:");

    SetWindowTextW(edit, L"印章服务器地址");
    EXPECT_EQ(Str(GetWindowTextString(edit)), "印章服务器地址");
    SetWindowTextW(edit, L"");
    EXPECT_EQ(Str(GetWindowTextString(edit)), "");
    DestroyWindow(edit);
}

TEST_F(WideTextTest, MenuText)
{
    HMENU menu = CreatePopupMenu();
    ASSERT_NE(menu, nullptr);
    CMenu wrapper(menu);
    EXPECT_TRUE(wrapper.AppendMenu(MF_SEPARATOR));
    EXPECT_TRUE(wrapper.AppendMenu(MF_STRING, 0x10, "关于 Pellorin(&A)..."));
    ASSERT_EQ(GetMenuItemCount(menu), 2);
    wchar_t text[64] = {};
    GetMenuStringW(menu, 0x10, text, 64, MF_BYCOMMAND);
    EXPECT_STREQ(text, L"关于 Pellorin(&A)...");
    EXPECT_EQ(GetMenuState(menu, 0, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));
    DestroyMenu(menu);
}

}  // namespace
