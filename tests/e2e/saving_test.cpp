// OK saves: the exact bytes written, the box that reports it, and the dialog
// staying open; a key the user may not write gives the warning instead.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "pellorin_test.h"
#include "running_pellorin.h"
#include "tests/support/settings_value.h"
#include "text.h"
#include "user_input.h"

namespace {

using Saving = PellorinTest;

const std::string STORED_URL = "http://10.1.2.3:8089/Seal/general/interface/";

void ExpectSavedBox(const MessageBoxView& box, HWND dialog)
{
    EXPECT_EQ(box.caption, u8"提示");
    EXPECT_EQ(box.text, u8"设置成功");
    EXPECT_EQ(Name(box.icon), Name(IconColour::Blue));
    EXPECT_EQ(box.owner, dialog) << "the box is owned by the dialog";
    EXPECT_EQ(box.buttons, std::vector<int>{IDOK}) << "OK only";
}

void ExpectStillOpen(RunningPellorin& app)
{
    EXPECT_FALSE(app.Process().HasExited(200)) << "the program ended after a save";
    EXPECT_TRUE(IsWindowVisible(app.Dialog())) << "the dialog closed after a save";
    EXPECT_TRUE(Responds(app.Dialog())) << "the dialog does not answer after a save";
}

TEST_F(Saving, WithNothingStoredEachOkWritesTheDefaultsAndCreatesTheKey)
{
    RunningPellorin app;
    for (int press = 1; press <= 2; ++press) {
        SCOPED_TRACE("OK pressed " + std::to_string(press) + " time(s)");
        app.Click(IDOK);
        const MessageBoxView box = app.WaitForOwnedBox();
        ExpectSavedBox(box, app.Dialog());
        EXPECT_TRUE(StoredUrlIs("http://0.0.0.0:8089/Seal/general/interface/"));
        PressBoxButton(box.window, IDOK);
        ExpectStillOpen(app);
        // The next OK has to write it again to pass.
        DeleteValue();
    }
}

TEST_F(Saving, ALoadedAddressIsWrittenBackAsPlainRegSz)
{
    StoreText(Wide(STORED_URL), REG_EXPAND_SZ);
    RunningPellorin app;
    app.Click(IDOK);
    const MessageBoxView box = app.WaitForOwnedBox();
    ExpectSavedBox(box, app.Dialog());
    EXPECT_TRUE(StoredUrlIs(STORED_URL));
    PressBoxButton(box.window, IDOK);
    ExpectStillOpen(app);
}

TEST_F(Saving, TheVirtualDirectoryIsNotWrittenBackNorAreTheHiddenFieldsUpdated)
{
    StoreText(L"http://10.1.2.3:8089/app/Seal/general/interface/");
    RunningPellorin app;
    ASSERT_EQ(app.ItemText(IDC_VIRTUAL_DIR), "app");
    app.Click(IDOK);
    const MessageBoxView box = app.WaitForOwnedBox();
    ExpectSavedBox(box, app.Dialog());
    EXPECT_TRUE(StoredUrlIs(STORED_URL));
    PressBoxButton(box.window, IDOK);
    EXPECT_EQ(app.ItemText(IDC_SERVER_URL), "http://10.1.2.3:8089/app");
    EXPECT_EQ(app.ItemText(IDC_VIRTUAL_DIR), "app");
}

// Addresses entered in different ways, saved one after another in one
// dialog. `shown` is what the fields show, `filled` what IPM_GETADDRESS counts.
struct AddressRow {
    const char* name;
    std::function<void(RunningPellorin&)> enter;
    std::string shown;
    int filled;
    std::string saved;
};

TEST_F(Saving, TypedAddressesAreSavedWithBlankFieldsAsZero)
{
    RunningPellorin app;
    app.SetItemText(IDC_SERVER_PORT, L"8443");
    const AddressRow rows[] = {
        // name                 how it is entered                                       shown           filled  saved
        {"four typed fields",   [](RunningPellorin& a) {
                                    const wchar_t* fields[] = {L"192", L"168", L"0", L"1"};
                                    for (int i = 0; i < 4; ++i) a.SetIpField(i, fields[i]);
                                },                                                      "192.168.0.1",  4,      "192.168.0.1"},
        {"IPM_SETADDRESS",      [](RunningPellorin& a) { a.SetIpAddress(MAKEIPADDRESS(172, 16, 254, 3)); },
                                                                                        "172.16.254.3", 4,      "172.16.254.3"},
        {"first and third only", [](RunningPellorin& a) {
                                    a.ClearIp();
                                    a.SetIpField(0, L"172");
                                    a.SetIpField(2, L"5");
                                },                                                      "172..5.",      2,      "172.0.5.0"},
        {"all blank",           [](RunningPellorin& a) { a.ClearIp(); },                "",             0,      "0.0.0.0"},
    };
    for (const AddressRow& row : rows) {
        SCOPED_TRACE(row.name);
        row.enter(app);
        EXPECT_EQ(app.IpFieldTexts(), row.shown);
        EXPECT_EQ(app.IpAddress().filledFields, row.filled);
        app.Click(IDOK);
        const MessageBoxView box = app.WaitForOwnedBox();
        ExpectSavedBox(box, app.Dialog());
        EXPECT_TRUE(StoredUrlIs(ServiceUrl(row.saved, 8443)));
        PressBoxButton(box.window, IDOK);
        EXPECT_EQ(app.IpFieldTexts(), row.shown) << "saving changed the address shown";
    }
}

TEST_F(Saving, EnterInThePortEditSavesAndLeavesTheDialogOpen)
{
    StoreText(Wide(STORED_URL));
    RunningPellorin app;
    PostMessageW(app.Dialog(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(app.Item(IDC_SERVER_PORT)), TRUE);
    ASSERT_TRUE(app.WaitForFocusOn(IDC_SERVER_PORT));
    // Tabbing into an edit selects its text; typing replaces it.
    TypeText(L"4433");
    ASSERT_TRUE(WaitUntil([&] { return app.ItemText(IDC_SERVER_PORT) == "4433"; }, 5000))
        << "typed into the port edit: " << app.ItemText(IDC_SERVER_PORT);
    PressKey(VK_RETURN);
    const MessageBoxView box = app.WaitForOwnedBox();
    ExpectSavedBox(box, app.Dialog());
    EXPECT_TRUE(StoredUrlIs("http://10.1.2.3:4433/Seal/general/interface/"));
    PressBoxButton(box.window, IDOK);
    ExpectStillOpen(app);
}

TEST_F(Saving, AReadOnlyKeyGivesTheWarningAndTheDialogKeepsItsValues)
{
    StoreText(Wide(STORED_URL));
    ReadOnlySettingsKey readOnly;
    const StoredValue before = ReadValueWide();

    RunningPellorin app;
    // The store opens the key with full access to read it too, so it reads
    // nothing here and the dialog shows the defaults.
    EXPECT_EQ(app.IpFieldTexts(), "");
    EXPECT_EQ(app.ItemText(IDC_SERVER_PORT), "8089");

    app.SetIpAddress(MAKEIPADDRESS(10, 9, 8, 7));
    app.SetItemText(IDC_SERVER_PORT, L"4321");
    for (int press = 1; press <= 2; ++press) {
        SCOPED_TRACE("OK pressed " + std::to_string(press) + " time(s)");
        app.Click(IDOK);
        const MessageBoxView box = app.WaitForOwnedBox();
        EXPECT_EQ(box.caption, u8"警告");
        EXPECT_EQ(box.text, u8"设置失败，可能您没有权限，请联系管理员");
        EXPECT_EQ(Name(box.icon), Name(IconColour::Yellow));
        EXPECT_EQ(box.owner, app.Dialog());
        EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
        EXPECT_TRUE(ReadValueWide() == before) << "the value changed: " << Describe(ReadValueWide());
        PressBoxButton(box.window, IDOK);

        ExpectStillOpen(app);
        EXPECT_EQ(app.IpFieldTexts(), "10.9.8.7");
        EXPECT_EQ(app.ItemText(IDC_SERVER_PORT), "4321");
    }
}

}  // namespace
