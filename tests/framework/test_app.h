#pragma once
// The application object of the dialog tests, with a command map of its own
// to show what reaches it, and a catcher for the message boxes a test makes.

#include <windows.h>

#include <string>
#include <vector>

#include "framework/framework.h"

class CTestApp : public CWinApp {
public:
    int m_nHelpCount = 0;
    int m_nAppCommandCount = 0;

    void OnTestHelp() { ++m_nHelpCount; }
    void OnAppCommand() { ++m_nAppCommandCount; }

    DECLARE_MESSAGE_MAP()
};

extern CTestApp theTestApp;

// What a message box showed, read while it was up.
struct CaughtBox {
    std::wstring text;
    std::wstring caption;
    HWND owner;
    bool exclamationIcon;
    int buttons;  // push buttons shown
};

// While alive, closes every message box of this thread with OK as soon as it
// is activated, after noting what it showed.
class MessageBoxCatcher {
public:
    MessageBoxCatcher();
    ~MessageBoxCatcher();
    MessageBoxCatcher(const MessageBoxCatcher&) = delete;
    MessageBoxCatcher& operator=(const MessageBoxCatcher&) = delete;

    std::vector<CaughtBox> boxes;

private:
    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam);
    HHOOK m_hook;
};

std::wstring WindowText(HWND hWnd);
