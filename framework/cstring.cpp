#include "framework/cstring.h"

#include <cstring>
#include <utility>

#include "framework/wide_text.h"
#include "framework/win_app.h"

CString::CString(const char* text) : CString(text, text ? static_cast<int>(std::strlen(text)) : 0) {}

CString::CString(const char* text, int length)
{
    if (char* buffer = GetBufferSetLength(length)) std::memcpy(buffer, text, length);
}

CString::CString(const CString& other) : CString(static_cast<const char*>(other), other.m_nLength) {}

CString& CString::operator=(const CString& other)
{
    // Copy first: the source may be this string itself.
    CString copy(other);
    m_block = std::move(copy.m_block);
    m_nLength = copy.m_nLength;
    return *this;
}

CString& CString::operator=(const char* text)
{
    CString copy(text);
    m_block = std::move(copy.m_block);
    m_nLength = copy.m_nLength;
    return *this;
}

char* CString::GetBufferSetLength(int length)
{
    m_block = LocalBlock();
    m_nLength = 0;
    if (length <= 0) return nullptr;
    m_block = LocalBlock(static_cast<SIZE_T>(length) + 1);
    char* buffer = m_block.As<char>();
    if (!buffer) return nullptr;
    buffer[length] = '\0';
    m_nLength = length;
    return buffer;
}

BOOL CString::LoadString(UINT nID)
{
    // With a zero size LoadStringW hands back a pointer into the resource
    // itself, so no buffer size needs guessing.
    const wchar_t* text = nullptr;
    int length = LoadStringW(AfxGetInstanceHandle(), nID, reinterpret_cast<LPWSTR>(&text), 0);
    *this = NarrowText(text, length);
    return !IsEmpty();
}
