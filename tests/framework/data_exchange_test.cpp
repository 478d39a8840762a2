// The data exchange on a real dialog: what the user sees when the port text
// is wrong (the message, its caption and icon, then the focus and the
// selection), and that the exchange stops there.
#include <gtest/gtest.h>

#include <string>

#include "tests/framework/test_app.h"
#include "tests/framework/test_dialog.h"

namespace {

enum class Outcome { Accepted, NotAnInteger, OutOfRange };

struct PortCase {
    const wchar_t* text;
    Outcome outcome;
    int value;  // when accepted
};

const PortCase kPortCases[] = {
    // port edit text          outcome                  value
    {L" 443 ",                 Outcome::Accepted,       443},
    {L"0",                     Outcome::Accepted,       0},
    {L"999999",                Outcome::Accepted,       999999},
    {L"44 3",                  Outcome::NotAnInteger,   0},
    {L"abc",                   Outcome::NotAnInteger,   0},
    {L"-0",                    Outcome::NotAnInteger,   0},
    {L"",                      Outcome::NotAnInteger,   0},
    {L"８０",                  Outcome::NotAnInteger,   0},  // full-width digits
    {L"-1",                    Outcome::OutOfRange,     0},
    {L"1000000",               Outcome::OutOfRange,     0},
    {L"99999999999",           Outcome::OutOfRange,     0},
};

std::string Narrow(const std::wstring& text)
{
    std::string out;
    for (wchar_t c : text) out += c < 128 ? static_cast<char>(c) : '?';
    return out;
}

struct SaveResult {
    BOOL updated = TRUE;
    std::vector<CaughtBox> boxes;
    HWND dialog = nullptr;
    HWND portEdit = nullptr;
    HWND focus = nullptr;
    DWORD selStart = 0, selEnd = 0;
    int textLength = 0;
};

// Opens the dialog, puts the texts into the edits, runs UpdateData(TRUE)
// and notes what followed, then closes the dialog.
SaveResult Save(CTestDlg& dlg, const wchar_t* port, const wchar_t* text)
{
    SaveResult r;
    theTestApp.m_pMainWnd = &dlg;
    dlg.onInit = [&](CTestDlg& d) {
        r.dialog = d.m_hWnd;
        r.portEdit = d.GetDlgItem(IDC_TEST_PORT);
        SetWindowTextW(r.portEdit, port);
        SetDlgItemTextW(d.m_hWnd, IDC_TEST_TEXT, text);
        {
            MessageBoxCatcher catcher;
            r.updated = d.UpdateData(TRUE);
            r.boxes = catcher.boxes;
        }
        r.focus = GetFocus();
        SendMessageW(r.portEdit, EM_GETSEL, reinterpret_cast<WPARAM>(&r.selStart),
                     reinterpret_cast<LPARAM>(&r.selEnd));
        r.textLength = GetWindowTextLengthW(r.portEdit);
        d.EndDialog(IDCANCEL);
    };
    dlg.DoModal();
    return r;
}

TEST(DataExchangeTest, PortTextOutcomes)
{
    const std::wstring appName = L"framework_dialog_test";
    for (const PortCase& c : kPortCases) {
        SCOPED_TRACE("port text \"" + Narrow(c.text) + "\"");
        CTestDlg dlg;
        dlg.m_nPort = -7;
        dlg.m_strText = "before";
        SaveResult r = Save(dlg, c.text, L"新的文字");

        if (c.outcome == Outcome::Accepted) {
            EXPECT_TRUE(r.updated);
            EXPECT_TRUE(r.boxes.empty());
            EXPECT_EQ(dlg.m_nPort, c.value);
            EXPECT_STREQ(dlg.m_strText, "新的文字");
            continue;
        }
        EXPECT_FALSE(r.updated);
        ASSERT_EQ(r.boxes.size(), 1u);
        const CaughtBox& box = r.boxes[0];
        EXPECT_EQ(box.text, c.outcome == Outcome::NotAnInteger ? L"请键入一个整数。"
                                                                : L"“请填入一个在0和999999之间的整数。”");
        EXPECT_EQ(box.caption, appName);
        EXPECT_EQ(box.owner, r.dialog);
        EXPECT_TRUE(box.exclamationIcon);
        EXPECT_EQ(box.buttons, 1);
        // The focus is back in the port edit, its whole text selected.
        EXPECT_EQ(r.focus, r.portEdit);
        EXPECT_EQ(r.selStart, 0u);
        EXPECT_EQ(r.selEnd, static_cast<DWORD>(r.textLength));
        // The exchange stopped: the member keeps its value, and the text
        // field after the port was not read.
        if (c.outcome == Outcome::NotAnInteger) {
            EXPECT_EQ(dlg.m_nPort, -7);
        }
        EXPECT_STREQ(dlg.m_strText, "before");
    }
}

TEST(DataExchangeTest, ShowingWritesDecimal)
{
    for (int value : {8089, 0, -5, 1000000, 2147483647}) {
        SCOPED_TRACE(value);
        CTestDlg dlg;
        dlg.m_nPort = value;
        dlg.m_strText = "证书";
        std::wstring port, text;
        dlg.onInit = [&](CTestDlg& d) {  // the base initialisation showed the members
            port = WindowText(d.GetDlgItem(IDC_TEST_PORT));
            text = WindowText(d.GetDlgItem(IDC_TEST_TEXT));
            d.EndDialog(IDCANCEL);
        };
        dlg.DoModal();
        EXPECT_EQ(port, std::to_wstring(value));
        EXPECT_EQ(text, L"证书");
    }
}

}  // namespace
