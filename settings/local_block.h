#pragma once
// A zero-filled LocalAlloc block that frees itself.

#include <windows.h>

class LocalBlock {
public:
    explicit LocalBlock(SIZE_T size) : m_p(static_cast<BYTE*>(LocalAlloc(LPTR, size))) {}
    ~LocalBlock()
    {
        if (m_p) LocalFree(m_p);
    }
    LocalBlock(const LocalBlock&) = delete;
    LocalBlock& operator=(const LocalBlock&) = delete;

    BYTE* Get() const { return m_p; }
    explicit operator bool() const { return m_p != nullptr; }

private:
    BYTE* m_p;
};
