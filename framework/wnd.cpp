#include "framework/wnd.h"

#include "framework/wide_text.h"
#include "framework/win_app.h"

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const char* text)
{
    return AppendMenuW(m_hMenu, nFlags, nIDNewItem, WideText(text));
}

void CWnd::SetWindowText(const char* text) { SetWindowTextString(m_hWnd, text); }

CString CWnd::GetWindowText() const { return GetWindowTextString(m_hWnd); }

int CWnd::MessageBox(const char* text, const char* caption, UINT type)
{
    return MessageBoxW(m_hWnd, WideText(text), WideText(caption ? caption : AfxGetAppName()), type);
}

LRESULT CWnd::Default()
{
    m_bDefault = true;
    return 0;
}

bool CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (message == WM_COMMAND) return OnCommand(wParam, lParam);
    const MessageMapEntry* entry = FindMessageEntry(message, 0);
    if (!entry) return false;
    // A handler may run a modal loop that brings further messages here, so
    // the flag of the message around this one is kept and put back.
    const bool outer = m_bDefault;
    m_bDefault = false;
    result = entry->call(*this, wParam, lParam);
    const bool handled = !m_bDefault;
    m_bDefault = outer;
    return handled;
}

bool CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // Controls also report notifications (an edit's changes, focus) through
    // WM_COMMAND; those are not commands.
    if (lParam != 0 && HIWORD(wParam) != BN_CLICKED) return false;
    const UINT id = LOWORD(wParam);
    if (OnCmdMsg(id)) return true;
    CWinApp* app = AfxGetApp();
    return app && app->OnCmdMsg(id);
}
