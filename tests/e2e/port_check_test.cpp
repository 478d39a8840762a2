// The port field's check on OK: which texts pass and as what number, which
// are refused with which of the framework's two messages, and where the
// focus and selection are after a refusal.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "pellorin_test.h"
#include "running_pellorin.h"
#include "tests/support/settings_value.h"
#include "text.h"

namespace {

using PortCheck = PellorinTest;

constexpr long REFUSED_AS_TEXT = -100;   // "请键入一个整数。"
constexpr long REFUSED_AS_RANGE = -200;  // "“请填入一个在0和999999之间的整数。”"

struct PortRow {
    const char* name;
    std::wstring text;
    long outcome;  // the port saved, or one of the refusals
};

const std::wstring ZEROS_30(30, L'0');

const PortRow PORT_ROWS[] = {
    // name                                   port text                         saved or refused
    {"blanks around 443",                     L" 443 ",                          443},
    {"blank inside 44 3",                     L"44 3",                           REFUSED_AS_TEXT},
    {"letters",                               L"abc",                            REFUSED_AS_TEXT},
    {"minus zero",                            L"-0",                             REFUSED_AS_TEXT},
    {"empty",                                 L"",                               REFUSED_AS_TEXT},
    {"hexadecimal 0x10",                      L"0x10",                           REFUSED_AS_TEXT},
    {"minus one",                             L"-1",                             REFUSED_AS_RANGE},
    {"one million",                           L"1000000",                        REFUSED_AS_RANGE},
    {"beyond 32 bits, clamped not wrapped",   L"4294967297",                     REFUSED_AS_RANGE},
    {"below 32 bits, clamped not wrapped",    L"-4294967295",                    REFUSED_AS_RANGE},
    {"zero",                                  L"0",                              0},
    {"plus sign",                             L"+12",                            12},
    {"tabs around 80",                        L"\t80\t",                         80},
    {"largest, the longest URL",              L"999999",                         999999},
    // Only the first 31 characters are read, which cuts both ways:
    {"31 read, junk after them ignored",      ZEROS_30 + L"1junk",               1},
    {"31 read, last digit not read",          ZEROS_30 + L"12",                  1},
    {"31 blanks read, digit not read",        std::wstring(31, L' ') + L"7",     REFUSED_AS_TEXT},
};

std::string Expected(const PortRow& row)
{
    if (row.outcome == REFUSED_AS_TEXT) return u8"请键入一个整数。";
    if (row.outcome == REFUSED_AS_RANGE) return u8"“请填入一个在0和999999之间的整数。”";
    return u8"设置成功";
}

// After a refusal: the framework's box named after the program, the focus
// in the port edit with all its text selected, the text untouched.
void ExpectRefusal(RunningPellorin& app, const MessageBoxView& box, const std::wstring& text)
{
    EXPECT_EQ(box.caption, "Pellorin") << "the application name, from Pellorin.exe";
    EXPECT_EQ(Name(box.icon), Name(IconColour::Yellow));
    EXPECT_EQ(box.owner, app.Dialog());
    EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
    PressBoxButton(box.window, IDOK);
    EXPECT_TRUE(app.WaitForFocusOn(IDC_SERVER_PORT)) << "the focus is not in the port edit";
    const Selection selection = SelectionOf(app.Item(IDC_SERVER_PORT));
    EXPECT_EQ(selection.start, 0);
    EXPECT_EQ(selection.end, static_cast<int>(text.size())) << "not all of the text is selected";
    EXPECT_EQ(app.ItemText(IDC_SERVER_PORT), Utf8(text));
}

TEST_F(PortCheck, EachPortTextIsSavedOrRefusedAsTheFrameworkReadsIntegers)
{
    RunningPellorin app;
    // The widest address, so that 999999 gives the longest URL there is.
    app.SetIpAddress(MAKEIPADDRESS(255, 255, 255, 255));
    for (const PortRow& row : PORT_ROWS) {
        SCOPED_TRACE(std::string("row \"") + row.name + "\": port text \"" + Utf8(row.text) + "\"");
        app.SetItemText(IDC_SERVER_PORT, row.text);
        const StoredValue before = ReadValueWide();
        app.Click(IDOK);
        const MessageBoxView box = app.WaitForOwnedBox();
        EXPECT_EQ(box.text, Expected(row));
        if (row.outcome >= 0) {
            EXPECT_EQ(box.caption, u8"提示");
            EXPECT_TRUE(StoredUrlIs(ServiceUrl("255.255.255.255", row.outcome)));
            PressBoxButton(box.window, IDOK);
        } else {
            EXPECT_TRUE(ReadValueWide() == before) << "a refused port was stored: " << Describe(ReadValueWide());
            ExpectRefusal(app, box, row.text);
        }
    }
}

TEST_F(PortCheck, AStoredPortAboveTheRangeIsShownAndRefusedOnTheFirstOk)
{
    StoreText(L"http://10.1.2.3:1234567/Seal/general/interface/");
    const StoredValue before = ReadValueWide();
    RunningPellorin app;
    ASSERT_EQ(app.ItemText(IDC_SERVER_PORT), "1234567");
    app.Click(IDOK);
    const MessageBoxView box = app.WaitForOwnedBox();
    EXPECT_EQ(box.text, u8"“请填入一个在0和999999之间的整数。”");
    EXPECT_TRUE(ReadValueWide() == before) << "the refused port was stored";
    ExpectRefusal(app, box, L"1234567");

    // Corrected, it saves.
    app.SetItemText(IDC_SERVER_PORT, L"123456");
    app.Click(IDOK);
    const MessageBoxView saved = app.WaitForOwnedBox();
    EXPECT_EQ(saved.text, u8"设置成功");
    EXPECT_TRUE(StoredUrlIs("http://10.1.2.3:123456/Seal/general/interface/"));
    PressBoxButton(saved.window, IDOK);
}

}  // namespace
