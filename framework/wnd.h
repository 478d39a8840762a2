#pragma once
// CWnd: a window handle with the few operations the program uses, each a
// one-line forward to Win32. Texts are the program's 8-bit texts; they pass
// through wide_text.h on their way to and from the window.

#include <windows.h>

#include "framework/cmd_target.h"
#include "framework/cstring.h"
#include "framework/menu.h"

class CWnd : public CCmdTarget {
public:
    HWND m_hWnd = nullptr;

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return SendMessageW(m_hWnd, message, wParam, lParam);
    }
    HWND GetDlgItem(int nID) const { return ::GetDlgItem(m_hWnd, nID); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    void GetClientRect(RECT* rect) const { ::GetClientRect(m_hWnd, rect); }
    HICON SetIcon(HICON hIcon, BOOL bBigIcon)
    {
        return reinterpret_cast<HICON>(
            SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)));
    }
    // The window menu as it is now (FALSE) or restored to the default (TRUE);
    // m_hMenu is null when the window has none.
    CMenu GetSystemMenu(BOOL bRevert) const { return CMenu(::GetSystemMenu(m_hWnd, bRevert)); }

    void SetWindowText(const char* text);
    CString GetWindowText() const;

    // A message box owned by this window; a null caption gives the
    // application's name.
    int MessageBox(const char* text, const char* caption = nullptr, UINT type = MB_OK);

protected:
    // Handlers call this to leave the message to the default processing once
    // they return.
    LRESULT Default();

    // Handlers that only ask for the default processing.
    void OnPaint() { Default(); }
    void OnSysCommand(UINT, LPARAM) { Default(); }

    // Finds and runs this window's handler. false: nobody handled it, or the
    // handler asked for the default processing.
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

private:
    // A command from a button, a menu or an accelerator goes to this window's
    // map, then to the application's.
    bool OnCommand(WPARAM wParam, LPARAM lParam);

    bool m_bDefault = false;
};
