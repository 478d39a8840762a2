#pragma once
// CWinApp: the one application object, and the framework's entry code that
// runs it (entry.cpp).
//
// The program defines exactly one global object of a class derived from
// CWinApp. The entry code calls its InitInstance; when that returns FALSE it
// calls ExitInstance and the process ends with its result. When it returns
// TRUE, a message loop runs until WM_QUIT first.

#include <windows.h>

#include "framework/cmd_target.h"
#include "framework/cstring.h"

class CWnd;

// The framework's help command, raised by F1 in a dialog.
constexpr UINT ID_HELP = 0xE146;

class CWinApp : public CCmdTarget {
public:
    // pszAppName: null takes the executable's base name (no directory, no
    // extension), which then captions the framework's message boxes.
    explicit CWinApp(const char* pszAppName = nullptr);
    ~CWinApp();

    CWnd* m_pMainWnd = nullptr;  // the top-level window while it exists

    const char* GetAppName() const { return m_strAppName; }
    HICON LoadIcon(UINT nIDResource) const;

    virtual BOOL InitInstance();
    // The process's exit status.
    virtual int ExitInstance();

    // ID_HELP: opens the help file beside the executable, named after it with
    // ".HLP"; says "启动帮助失败。" when the viewer cannot be started.
    void OnHelp();

private:
    friend int AfxWinMain();
    int Run();

    CString m_strAppName;
};

CWinApp* AfxGetApp();
const char* AfxGetAppName();
HINSTANCE AfxGetInstanceHandle();

// A message box captioned with the application's name and owned by the
// window the user is working in (the main window's active popup).
int AfxMessageBox(const char* text, UINT type = MB_OK);
int AfxMessageBox(UINT nIDPrompt, UINT type = MB_OK);

// The string resource nID with "%1" and "%2" replaced by arg1 and arg2.
CString AfxFormatString2(UINT nID, const char* arg1, const char* arg2);
// The same replacement on a given pattern; any other '%' stays as it is.
CString FormatPlaceholders(const char* pattern, const char* arg1, const char* arg2);

// Runs the application object; called by WinMain.
int AfxWinMain();
