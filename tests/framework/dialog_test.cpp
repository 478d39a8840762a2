// The modal loop, the dialog procedure and message-map dispatch, run on a
// real dialog. Each test drives the dialog by posting messages to it from
// its own initialisation, as input would arrive.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "tests/framework/test_app.h"
#include "tests/framework/test_dialog.h"

namespace {

using Log = std::vector<std::string>;

void Post(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    ASSERT_TRUE(PostMessageW(hWnd, message, wParam, lParam));
}

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        theTestApp.m_nHelpCount = 0;
        theTestApp.m_nAppCommandCount = 0;
        theTestApp.m_pMainWnd = nullptr;
        BYTE keys[256] = {};
        SetKeyboardState(keys);
    }
};

TEST_F(DialogTest, CommandsGoToTheDialogThenToTheApplication)
{
    CTestDlg dlg;
    dlg.onInit = [](CTestDlg& d) {
        HWND button = d.GetDlgItem(IDC_TEST_BUTTON);
        Post(d.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_TEST_BUTTON, BN_CLICKED), reinterpret_cast<LPARAM>(button));
        // A control's notification is not a command.
        Post(d.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_TEST_BUTTON, BN_SETFOCUS), reinterpret_cast<LPARAM>(button));
        // Not in the dialog's map: the application's.
        Post(d.m_hWnd, WM_COMMAND, IDC_APP_COMMAND, 0);
        // In the base class's map, reaching the derived override.
        Post(d.m_hWnd, WM_COMMAND, IDOK, 0);
        Post(d.m_hWnd, WM_COMMAND, IDCANCEL, 0);
    };
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.log, (Log{"OnButton", "OnOK"}));
    EXPECT_EQ(theTestApp.m_nAppCommandCount, 1);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST_F(DialogTest, FrameworkOkValidatesThenEnds)
{
    CTestDlg dlg;
    dlg.m_bBaseOnOK = true;
    dlg.onInit = [](CTestDlg& d) {
        SetDlgItemTextW(d.m_hWnd, IDC_TEST_PORT, L" 443 ");
        SetDlgItemTextW(d.m_hWnd, IDC_TEST_TEXT, L"虚拟目录");
        Post(d.m_hWnd, WM_COMMAND, IDOK, 0);
    };
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nPort, 443);
    EXPECT_STREQ(dlg.m_strText, "虚拟目录");
}

TEST_F(DialogTest, EscapeAndEnterGoThroughTheDialogManager)
{
    CTestDlg dlg;
    dlg.onInit = [](CTestDlg& d) {
        HWND edit = d.GetDlgItem(IDC_TEST_PORT);
        SetFocus(edit);
        Post(edit, WM_KEYDOWN, VK_RETURN, 0);  // the default button: IDOK
        Post(edit, WM_KEYDOWN, VK_ESCAPE, 0);  // IDCANCEL
    };
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.log, (Log{"OnOK"}));
}

TEST_F(DialogTest, PlainF1AsksTheApplicationForHelp)
{
    CTestDlg dlg;
    dlg.onInit = [](CTestDlg& d) {
        Post(d.GetDlgItem(IDC_TEST_TEXT), WM_KEYDOWN, VK_F1, 0);
        Post(d.m_hWnd, WM_COMMAND, IDCANCEL, 0);
    };
    dlg.DoModal();
    EXPECT_EQ(theTestApp.m_nHelpCount, 1);
}

TEST_F(DialogTest, F1WithAModifierIsNotHelp)
{
    for (int modifier : {VK_SHIFT, VK_CONTROL, VK_MENU}) {
        SCOPED_TRACE(modifier);
        CTestDlg dlg;
        dlg.onInit = [modifier](CTestDlg& d) {
            BYTE keys[256] = {};
            keys[modifier] = 0x80;
            SetKeyboardState(keys);
            Post(d.GetDlgItem(IDC_TEST_TEXT), WM_KEYDOWN, VK_F1, 0);
            Post(d.m_hWnd, WM_COMMAND, IDCANCEL, 0);
        };
        dlg.DoModal();
        BYTE keys[256] = {};
        SetKeyboardState(keys);
    }
    EXPECT_EQ(theTestApp.m_nHelpCount, 0);
}

TEST_F(DialogTest, EndingFromAnotherThreadWakesTheLoop)
{
    // A message sent from another thread runs inside GetMessage; the loop
    // must still notice that the dialog has ended without waiting for input.
    std::thread closer;
    CTestDlg dlg;
    dlg.onInit = [&closer](CTestDlg& d) {
        HWND hWnd = d.m_hWnd;
        closer = std::thread([hWnd] {
            // Once the dialog has settled, nothing else wakes the loop.
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            SendMessageW(hWnd, WM_COMMAND, IDCANCEL, 0);
        });
        // Should the loop miss it, this timer wakes it late and the time shows.
        SetTimer(hWnd, 1, 3000, nullptr);
    };
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    auto elapsed = std::chrono::steady_clock::now() - start;
    closer.join();
    EXPECT_LT(elapsed, std::chrono::milliseconds(2000));
}

TEST_F(DialogTest, SystemCommandsFallBackToTheDefault)
{
    CTestDlg dlg;
    dlg.onInit = [](CTestDlg& d) {
        // Handled without the default: nothing further happens.
        Post(d.m_hWnd, WM_SYSCOMMAND, 0x0010, 0);
        // Passed on: the close box's command ends the dialog with IDCANCEL.
        Post(d.m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    };
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.log, (Log{"OnSysCommand 16", "OnSysCommand " + std::to_string(SC_CLOSE)}));
}

TEST_F(DialogTest, QueryDragIconResultReachesTheCaller)
{
    CTestDlg dlg;
    LRESULT icon = 0;
    dlg.onInit = [&icon](CTestDlg& d) {
        icon = SendMessageW(d.m_hWnd, WM_QUERYDRAGICON, 0, 0);
        Post(d.m_hWnd, WM_COMMAND, IDCANCEL, 0);
    };
    dlg.DoModal();
    EXPECT_EQ(reinterpret_cast<HCURSOR>(icon), LoadCursorA(nullptr, IDC_CROSS));
}

TEST_F(DialogTest, NestedDialogDisablesTheMainWindowWhileUp)
{
    CTestDlg outer;
    theTestApp.m_pMainWnd = &outer;
    HWND outerWnd = nullptr;
    HWND innerOwner = nullptr;
    BOOL outerEnabledDuringInner = TRUE;
    BOOL outerEnabledAfter = FALSE;
    outer.onInit = [&](CTestDlg& o) {
        outerWnd = o.m_hWnd;
        CTestDlg inner;  // no parent: owned by the main window
        inner.onInit = [&](CTestDlg& i) {
            outerEnabledDuringInner = IsWindowEnabled(outerWnd);
            innerOwner = GetWindow(i.m_hWnd, GW_OWNER);
            Post(i.m_hWnd, WM_COMMAND, IDCANCEL, 0);
        };
        EXPECT_EQ(inner.DoModal(), IDCANCEL);
        outerEnabledAfter = IsWindowEnabled(outerWnd);
        Post(outerWnd, WM_COMMAND, IDCANCEL, 0);
    };
    EXPECT_EQ(outer.DoModal(), IDCANCEL);
    EXPECT_EQ(innerOwner, outerWnd);
    EXPECT_FALSE(outerEnabledDuringInner);
    EXPECT_TRUE(outerEnabledAfter);
    // Destroyed, the main window is no longer the application's.
    EXPECT_EQ(theTestApp.m_pMainWnd, nullptr);
}

}  // namespace
