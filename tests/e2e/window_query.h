#pragma once
// Reading another process's windows the way the system lets any program:
// texts by WM_GETTEXT (GetWindowText does not ask another process's
// controls), styles, focus through GetGUIThreadInfo, and what a user sees on
// the screen for the one thing no message tells: the colour of an icon.

#include <windows.h>

#include <string>
#include <vector>

#include "wait.h"

std::wstring ClassOf(HWND window);
std::wstring CaptionOf(HWND window);  // a top-level window's title
std::wstring TextOf(HWND window);     // WM_GETTEXT, answered by the owning thread
void SetText(HWND window, const std::wstring& text);
DWORD StyleOf(HWND window);
DWORD ExStyleOf(HWND window);

// True once the window's thread is back in its message loop: everything it
// was doing when asked (initialising a dialog, say) is done.
bool Responds(HWND window, DWORD timeoutMs = UI_TIMEOUT_MS);

// Visible top-level windows of one process (0: of every process but ours).
std::vector<HWND> TopWindows(DWORD processId, bool includeHidden = false);
HWND FindTopWindow(DWORD processId, const std::wstring& className, const std::wstring& caption);
DWORD ProcessOf(HWND window);

// The children of a window in z-order, which for a dialog is template order.
std::vector<HWND> Children(HWND parent);

HWND FocusOf(HWND anyWindowOfTheThread);
HWND ActiveOf(HWND anyWindowOfTheThread);

struct Selection {
    int start;
    int end;
};
Selection SelectionOf(HWND edit);

enum class IconColour { None, Yellow, Blue, Red };
const char* Name(IconColour colour);
// The dominant colour of an icon as it stands on the screen: Wine's and
// Windows's exclamation/warning icons are yellow, information blue, error red.
IconColour IconColourOf(HWND iconControl);

// A message box: its caption, the text of its static 0xFFFF and its icon.
struct MessageBoxView {
    HWND window = nullptr;
    HWND owner = nullptr;
    std::string caption;  // UTF-8
    std::string text;     // UTF-8
    IconColour icon = IconColour::None;
    std::vector<int> buttons;  // control IDs of its buttons, in order
};
MessageBoxView ReadMessageBox(HWND box);
// Presses one of the box's buttons and waits until the box is gone.
void PressBoxButton(HWND box, int id);
