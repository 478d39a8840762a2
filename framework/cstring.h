#pragma once
// CString: the program's 8-bit text (code page 936), owned on the local heap.
// Small on purpose: the program copies, compares nothing and formats little.

#include <windows.h>

#include "framework/local_block.h"

class CString {
public:
    CString() = default;
    CString(const char* text);  // NOLINT: converts implicitly, as callers expect
    CString(const char* text, int length);
    CString(const CString& other);
    CString& operator=(const CString& other);
    CString& operator=(const char* text);

    int GetLength() const { return m_nLength; }
    bool IsEmpty() const { return m_nLength == 0; }
    // Never null: an empty string reads as "".
    operator const char*() const { return m_nLength ? m_block.As<char>() : ""; }

    // Loads a string resource of this module. FALSE, and the string empty,
    // when the resource is missing or empty.
    BOOL LoadString(UINT nID);

    // Room for `length` characters plus the terminator, to be filled by the
    // caller; the string then has that length. Null, and the string empty,
    // when length is 0 or the heap refuses.
    char* GetBufferSetLength(int length);

private:
    LocalBlock m_block;
    int m_nLength = 0;
};
