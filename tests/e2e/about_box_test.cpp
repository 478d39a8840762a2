// The About entry at the end of the system menu, chosen with the keyboard
// as a user would, the box it opens, and every way out of that box.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "pellorin_test.h"
#include "running_pellorin.h"
#include "tests/support/settings_value.h"
#include "system_menu.h"
#include "text.h"
#include "user_input.h"
#include "wait.h"
#include "window_query.h"

namespace {

using AboutBox = PellorinTest;

TEST_F(AboutBox, TheSystemMenuEndsWithASeparatorAndTheEntry)
{
    RunningPellorin app;
    const std::vector<MenuEntry> menu = app.Probe().SystemMenu();
    ASSERT_GE(menu.size(), 2u);
    const MenuEntry& entry = menu.back();
    EXPECT_EQ(entry.id, IDM_ABOUT);
    EXPECT_EQ(entry.type, static_cast<UINT>(MFT_STRING));
    EXPECT_EQ(entry.text, u8"关于 Pellorin(&A)...");
    EXPECT_EQ(menu[menu.size() - 2].type & MFT_SEPARATOR, static_cast<UINT>(MFT_SEPARATOR))
        << "no separator before the entry: " << menu[menu.size() - 2].text;
    EXPECT_EQ(std::count_if(menu.begin(), menu.end(), [](const MenuEntry& e) { return e.id == IDM_ABOUT; }), 1);
    EXPECT_TRUE(std::any_of(menu.begin(), menu.end(), [](const MenuEntry& e) { return e.id == SC_CLOSE; }))
        << "the standard entries are gone";
}

void ExpectAboutBoxContents(RunningPellorin& app, HWND about)
{
    HWND dialog = app.Dialog();
    EXPECT_EQ(Utf8(ClassOf(about)), "#32770");
    EXPECT_EQ(GetWindow(about, GW_OWNER), dialog) << "the box belongs to the main dialog";
    bool icon = false, version = false, notice = false;
    for (HWND child : Children(about)) {
        const std::wstring className = ClassOf(child);
        const LONG style = StyleOf(child);
        if (className == L"Static" && (style & SS_TYPEMASK) == SS_ICON) {
            icon = app.Probe().Send(child, STM_GETICON, 0) != 0;
        } else if (className == L"Static") {
            const std::string text = Utf8(TextOf(child));
            if (text == u8"Pellorin 1.0 版") version = true;
            else notice = notice || !text.empty();
        }
    }
    EXPECT_TRUE(icon) << "no icon shown";
    EXPECT_TRUE(version) << "no line \"Pellorin 1.0 版\"";
    EXPECT_TRUE(notice) << "no product notice";
    HWND ok = GetDlgItem(about, IDOK);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(Utf8(TextOf(ok)), u8"确定");
    EXPECT_EQ(StyleOf(ok) & BS_TYPEMASK, BS_DEFPUSHBUTTON);
}

struct AboutWayOut {
    const char* name;
    std::function<void(HWND about)> take;
};

TEST_F(AboutBox, TheEntryOpensTheBoxAndEachWayOutOfItChangesNothing)
{
    StoreText(L"http://10.1.2.3:8089/Seal/general/interface/");
    const StoredValue before = ReadValueWide();
    RunningPellorin app;

    const AboutWayOut ways[] = {
        {"OK button", [](HWND about) { PostMessageW(GetDlgItem(about, IDOK), BM_CLICK, 0, 0); }},
        {"Enter key", [](HWND about) { BringToFront(about); PressKey(VK_RETURN); }},
        {"Escape key", [](HWND about) { BringToFront(about); PressKey(VK_ESCAPE); }},
        {"close box", [](HWND about) { BringToFront(about); ClickAt(CloseBoxPoint(about)); }},
    };
    for (const AboutWayOut& way : ways) {
        SCOPED_TRACE(way.name);
        HWND about = OpenAboutBox(app.Dialog());
        ExpectAboutBoxContents(app, about);
        // Modal: the main dialog takes no input while the box is up.
        EXPECT_FALSE(IsWindowEnabled(app.Dialog())) << "the main dialog is not blocked";
        EXPECT_EQ(GetForegroundWindow(), about);

        way.take(about);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(about); })) << "the About box stayed";
        EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(app.Dialog()) != FALSE; }, 5000))
            << "the main dialog stays blocked";
        EXPECT_TRUE(Responds(app.Dialog()));
        EXPECT_FALSE(app.Process().HasExited()) << "closing the About box ended the program";
        EXPECT_TRUE(app.HasNoOwnedWindow());
        EXPECT_EQ(app.IpFieldTexts(), "10.1.2.3");
        EXPECT_EQ(app.ItemText(IDC_SERVER_PORT), "8089");
        EXPECT_TRUE(ReadValueWide() == before) << "the About box changed the store";
    }
}

TEST_F(AboutBox, CloseFromTheSystemMenuEndsTheProgramWithoutSaving)
{
    StoreText(L"http://10.1.2.3:8089/Seal/general/interface/");
    const StoredValue before = ReadValueWide();
    RunningPellorin app;
    app.SetItemText(IDC_SERVER_PORT, L"1234");

    OpenSystemMenu(app.Dialog());
    PressKey('C');  // "关闭(&C)", in English "&Close"
    ASSERT_TRUE(app.Ends()) << "Close from the system menu did not end the program";
    EXPECT_LT(app.Process().ExitCode(), 0xC0000000u);
    EXPECT_TRUE(ReadValueWide() == before) << "closing stored " << Describe(ReadValueWide());
}

}  // namespace
