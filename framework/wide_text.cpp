#include "framework/wide_text.h"

WideText::WideText(const char* text)
{
    if (!text) return;
    m_text = L"";
    int units = MultiByteToWideChar(PROGRAM_CODE_PAGE, 0, text, -1, nullptr, 0);
    if (units <= 0) return;
    m_block = LocalBlock(static_cast<SIZE_T>(units) * sizeof(wchar_t));
    if (wchar_t* buffer = m_block.As<wchar_t>()) {
        MultiByteToWideChar(PROGRAM_CODE_PAGE, 0, text, -1, buffer, units);
        m_text = buffer;
    }
}

CString NarrowText(const wchar_t* text, int length)
{
    CString result;
    if (!text) return result;
    if (length < 0) length = lstrlenW(text);
    int bytes = length ? WideCharToMultiByte(PROGRAM_CODE_PAGE, 0, text, length, nullptr, 0,
                                             nullptr, nullptr)
                       : 0;
    if (bytes <= 0) return result;
    if (char* buffer = result.GetBufferSetLength(bytes))
        WideCharToMultiByte(PROGRAM_CODE_PAGE, 0, text, length, buffer, bytes, nullptr, nullptr);
    return result;
}

void SetWindowTextString(HWND hWnd, const char* text)
{
    SetWindowTextW(hWnd, WideText(text));
}

CString GetWindowTextString(HWND hWnd)
{
    int length = GetWindowTextLengthW(hWnd);
    if (length <= 0) return CString();
    LocalBlock block(static_cast<SIZE_T>(length + 1) * sizeof(wchar_t));
    wchar_t* buffer = block.As<wchar_t>();
    if (!buffer) return CString();
    length = GetWindowTextW(hWnd, buffer, length + 1);
    return NarrowText(buffer, length);
}
