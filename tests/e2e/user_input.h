#pragma once
// Real keystrokes and mouse clicks, for what only real input reaches: F1,
// the system menu, Escape, the close box. They go to the foreground window,
// so a case first brings its window to the front. (Under Xvfb there is no
// window manager; Wine activates unmanaged windows itself.)

#include <windows.h>

#include <initializer_list>
#include <string>

// Makes `window` the foreground and active window, or throws.
void BringToFront(HWND window);

void PressKey(WORD virtualKey);
void PressKeys(std::initializer_list<WORD> virtualKeys);
void PressWithAlt(WORD virtualKey);
void TypeText(const std::wstring& text);

// The point of a window's close box in screen coordinates, found by asking
// the window itself (WM_NCHITTEST) along its caption.
POINT CloseBoxPoint(HWND window);
void ClickAt(POINT screenPoint);
