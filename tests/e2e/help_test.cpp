// F1 asks the help viewer for Pellorin.HLP beside the executable; without a
// viewer the framework says that help could not be started.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <cwctype>
#include <set>
#include <string>

#include "pellorin_test.h"
#include "running_pellorin.h"
#include "text.h"
#include "user_input.h"
#include "wait.h"
#include "window_query.h"

namespace {

using Help = PellorinTest;

std::wstring Upper(std::wstring text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](wchar_t c) { return std::towupper(c); });
    return text;
}

// The help viewer's processes: those with a window of its class "MS_WINHELP"
// (hidden once its box is answered), and any added by hand.
std::set<DWORD> HelpViewers()
{
    std::set<DWORD> viewers;
    for (HWND window : TopWindows(0, true))
        if (ClassOf(window) == L"MS_WINHELP") viewers.insert(ProcessOf(window));
    return viewers;
}

void End(const std::set<DWORD>& processes)
{
    for (DWORD id : processes)
        if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id)) {
            TerminateProcess(process, 1);
            WaitForSingleObject(process, 5000);
            CloseHandle(process);
        }
}

// Ends every help viewer before and after the case: a viewer left running
// (by a driver that died, say) would take the next F1.
class HelpViewerReaper {
public:
    HelpViewerReaper() { End(HelpViewers()); }
    ~HelpViewerReaper()
    {
        std::set<DWORD> viewers = HelpViewers();
        viewers.insert(extra_.begin(), extra_.end());
        End(viewers);
    }
    void Add(DWORD processId) { extra_.insert(processId); }

private:
    std::set<DWORD> extra_;
};

TEST_F(Help, F1OpensTheHelpViewerOnTheHlpFileBesideTheExecutable)
{
    HelpViewerReaper reaper;
    ASSERT_TRUE(HelpViewers().empty()) << "a help viewer from before would take this F1";
    RunningPellorin app;

    const std::wstring exe = PellorinExePath();
    const std::wstring expected = exe.substr(0, exe.find_last_of(L'\\') + 1) + L"Pellorin.HLP";

    BringToFront(app.Dialog());
    PressKey(VK_F1);
    // The viewer finds no such file and says so in a box of its own that
    // names the path it was given (its wording follows Wine's language).
    HWND found = nullptr;
    const bool shown = WaitUntil([&] {
        for (HWND window : TopWindows(0)) {
            HWND text = GetDlgItem(window, 0xFFFF);
            if (ProcessOf(window) != app.Process().Id() && ClassOf(window) == L"#32770" && text &&
                Upper(TextOf(text)).find(L"PELLORIN.HLP") != std::wstring::npos)
                found = window;
        }
        return found != nullptr;
    });
    ASSERT_TRUE(shown) << "no help viewer window names Pellorin.HLP";
    reaper.Add(ProcessOf(found));
    const MessageBoxView report = ReadMessageBox(found);
    const std::wstring text = Wide(report.text);
    EXPECT_NE(Upper(text).find(Upper(expected)), std::wstring::npos)
        << "the viewer was not given " << Utf8(expected) << "\n   it says: " << report.text;
    EXPECT_NE(text.find(L"\\Pellorin.HLP"), std::wstring::npos) << "the extension is \".HLP\": " << report.text;

    // Answered, the viewer lets Pellorin go on; Pellorin reports no failure.
    const int dismiss = std::count(report.buttons.begin(), report.buttons.end(), IDNO) ? IDNO : IDOK;
    PressBoxButton(report.window, dismiss);
    ASSERT_TRUE(Responds(app.Dialog())) << "Pellorin hangs after the viewer's box";
    Sleep(500);
    EXPECT_TRUE(app.HasNoOwnedWindow()) << "Pellorin showed a box although the viewer started";
    EXPECT_FALSE(app.Process().HasExited());
}

// Run by its own ctest entry, whose environment disables the viewer for the
// driver and everything it starts: WINEDLLOVERRIDES=...;winhlp32.exe=d.
// WinHelpA then fails, as on a Windows without a help viewer.
TEST_F(Help, WithoutAViewerF1SaysHelpCouldNotBeStarted)
{
    const char* overrides = std::getenv("WINEDLLOVERRIDES");
    if (!overrides || !std::strstr(overrides, "winhlp32.exe=d"))
        GTEST_SKIP() << "needs WINEDLLOVERRIDES with winhlp32.exe=d, as its ctest entry sets it";
    HelpViewerReaper reaper;
    ASSERT_TRUE(HelpViewers().empty()) << "a help viewer from before would take this F1";
    RunningPellorin app;

    BringToFront(app.Dialog());
    PressKey(VK_F1);
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        for (HWND window : TopWindows(app.Process().Id()))
            if (window != app.Dialog() && ClassOf(window) == L"#32770") box = window;
        return box != nullptr;
    })) << "no box came up";
    const MessageBoxView view = ReadMessageBox(box);
    EXPECT_EQ(view.text, u8"启动帮助失败。");
    EXPECT_EQ(view.caption, "Pellorin");
    EXPECT_TRUE(HelpViewers().empty()) << "a help viewer started after all";
    PressBoxButton(box, IDOK);
    EXPECT_TRUE(Responds(app.Dialog()));
    EXPECT_FALSE(app.Process().HasExited());
}

}  // namespace
