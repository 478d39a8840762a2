#include "framework/win_app.h"

#include "framework/framework_strings.h"
#include "framework/module_name.h"
#include "framework/wide_text.h"
#include "framework/wnd.h"

// The linker's symbol for this module's own image.
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

CWinApp* g_pApp = nullptr;

}  // namespace

CWinApp* AfxGetApp() { return g_pApp; }

const char* AfxGetAppName() { return g_pApp ? g_pApp->GetAppName() : ""; }

HINSTANCE AfxGetInstanceHandle() { return reinterpret_cast<HINSTANCE>(&__ImageBase); }

CWinApp::CWinApp(const char* pszAppName)
{
    g_pApp = this;
    if (pszAppName) {
        m_strAppName = pszAppName;
        return;
    }
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    TextSpan name = ModuleBaseName(path);
    m_strAppName = NarrowText(path + name.start, name.length);
}

CWinApp::~CWinApp()
{
    if (g_pApp == this) g_pApp = nullptr;
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    return LoadIconW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(nIDResource));
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return 0; }

void CWinApp::OnHelp()
{
    wchar_t modulePath[MAX_PATH];
    wchar_t helpPath[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, modulePath, MAX_PATH);
    HWND owner = m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr;
    if (length == 0 || length >= MAX_PATH || !HelpFilePathFor(modulePath, helpPath, MAX_PATH) ||
        !WinHelpW(owner, helpPath, HELP_FINDER, 0))
        AfxMessageBox(IDP_FAILED_TO_LAUNCH_HELP, MB_OK | MB_ICONEXCLAMATION);
}

int CWinApp::Run()
{
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return ExitInstance();
}

int AfxWinMain()
{
    CWinApp* app = AfxGetApp();
    if (!app) return -1;
    if (!app->InitInstance()) return app->ExitInstance();
    return app->Run();
}

int AfxMessageBox(const char* text, UINT type)
{
    HWND owner = GetActiveWindow();
    if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd && app->m_pMainWnd->m_hWnd)
        owner = GetLastActivePopup(app->m_pMainWnd->m_hWnd);
    return MessageBoxW(owner, WideText(text), WideText(AfxGetAppName()), type);
}

int AfxMessageBox(UINT nIDPrompt, UINT type)
{
    CString text;
    text.LoadString(nIDPrompt);
    return AfxMessageBox(text, type);
}

CString FormatPlaceholders(const char* pattern, const char* arg1, const char* arg2)
{
    // Two passes over the pattern: count, then copy.
    CString result;
    char* out = nullptr;
    for (int pass = 0; pass < 2; ++pass) {
        int n = 0;
        for (const char* p = pattern; *p; ++p) {
            const char* arg = nullptr;
            if (p[0] == '%' && (p[1] == '1' || p[1] == '2')) arg = p[1] == '1' ? arg1 : arg2;
            if (!arg) {
                if (out) out[n] = *p;
                ++n;
                continue;
            }
            for (; *arg; ++arg, ++n)
                if (out) out[n] = *arg;
            ++p;
        }
        if (pass == 0 && !(out = result.GetBufferSetLength(n))) break;
    }
    return result;
}

CString AfxFormatString2(UINT nID, const char* arg1, const char* arg2)
{
    CString pattern;
    pattern.LoadString(nID);
    return FormatPlaceholders(pattern, arg1, arg2);
}
