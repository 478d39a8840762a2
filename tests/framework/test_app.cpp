#include "tests/framework/test_app.h"

#include "tests/framework/test_resource.h"

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
    ON_COMMAND(ID_HELP, CTestApp::OnTestHelp)
    ON_COMMAND(IDC_APP_COMMAND, CTestApp::OnAppCommand)
END_MESSAGE_MAP()

CTestApp theTestApp;

namespace {

MessageBoxCatcher* g_catcher = nullptr;

bool IsMessageBox(HWND hWnd)
{
    wchar_t cls[16] = {};
    GetClassNameW(hWnd, cls, 16);
    return std::wstring(cls) == L"#32770" && GetDlgItem(hWnd, 0xFFFF) != nullptr;
}

BOOL CALLBACK Inspect(HWND child, LPARAM lParam)
{
    auto* box = reinterpret_cast<CaughtBox*>(lParam);
    wchar_t cls[16] = {};
    GetClassNameW(child, cls, 16);
    const LONG style = GetWindowLongW(child, GWL_STYLE);
    if (std::wstring(cls) == L"Button" && (style & WS_VISIBLE)) ++box->buttons;
    if (std::wstring(cls) == L"Static" && (style & SS_TYPEMASK) == SS_ICON) {
        HICON shown = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
        box->exclamationIcon = shown && shown == LoadIconA(nullptr, IDI_EXCLAMATION);
    }
    return TRUE;
}

}  // namespace

std::wstring WindowText(HWND hWnd)
{
    wchar_t text[512] = {};
    GetWindowTextW(hWnd, text, 512);
    return text;
}

MessageBoxCatcher::MessageBoxCatcher()
    : m_hook(SetWindowsHookExW(WH_CBT, CbtProc, nullptr, GetCurrentThreadId()))
{
    g_catcher = this;
}

MessageBoxCatcher::~MessageBoxCatcher()
{
    UnhookWindowsHookEx(m_hook);
    g_catcher = nullptr;
}

LRESULT CALLBACK MessageBoxCatcher::CbtProc(int code, WPARAM wParam, LPARAM lParam)
{
    HWND hWnd = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && g_catcher && IsMessageBox(hWnd)) {
        CaughtBox box{WindowText(GetDlgItem(hWnd, 0xFFFF)), WindowText(hWnd), GetWindow(hWnd, GW_OWNER),
                      false, 0};
        EnumChildWindows(hWnd, Inspect, reinterpret_cast<LPARAM>(&box));
        g_catcher->boxes.push_back(box);
        PostMessageW(hWnd, WM_COMMAND, IDOK, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
