#pragma once
// The one seam between the program's 8-bit texts and the wide Windows API.
//
// The program keeps its texts as code-page-936 bytes whatever the system's
// ANSI code page is. Handing such bytes to an "A" function would decode them
// with the ANSI code page and show mojibake on a non-Chinese system, so every
// text that reaches a window, a menu or a message box is converted here,
// explicitly from 936, and goes to the "W" function instead.

#include <windows.h>

#include "framework/cstring.h"
#include "framework/local_block.h"

constexpr UINT PROGRAM_CODE_PAGE = 936;

// A NUL-terminated UTF-16 copy of an 8-bit text, alive as long as this
// object. A null text gives a null pointer; a text the heap cannot take gives "".
class WideText {
public:
    explicit WideText(const char* text);
    operator const wchar_t*() const { return m_text; }

private:
    LocalBlock m_block;
    const wchar_t* m_text = nullptr;
};

// The 8-bit form of `length` UTF-16 units (-1: up to the terminator).
// Characters that code page 936 lacks become '?'.
CString NarrowText(const wchar_t* text, int length = -1);

// Window text both ways, through the conversions above.
void SetWindowTextString(HWND hWnd, const char* text);
CString GetWindowTextString(HWND hWnd);
