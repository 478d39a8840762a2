#pragma once
// A LocalAlloc block with one owner: freed when the owner goes, so no early
// return leaks it. Move-only.

#include <windows.h>

class LocalBlock {
public:
    LocalBlock() = default;
    // A fixed block of `bytes` bytes (LPTR: zero-filled too); empty (null)
    // when the allocation fails.
    explicit LocalBlock(SIZE_T bytes, UINT flags = LMEM_FIXED) : m_p(LocalAlloc(flags, bytes)) {}
    ~LocalBlock() { if (m_p) LocalFree(m_p); }

    LocalBlock(LocalBlock&& other) : m_p(other.m_p) { other.m_p = nullptr; }
    LocalBlock& operator=(LocalBlock&& other)
    {
        if (this != &other) {
            if (m_p) LocalFree(m_p);
            m_p = other.m_p;
            other.m_p = nullptr;
        }
        return *this;
    }
    LocalBlock(const LocalBlock&) = delete;
    LocalBlock& operator=(const LocalBlock&) = delete;

    void* Get() const { return m_p; }
    template <class T> T* As() const { return static_cast<T*>(m_p); }

private:
    HLOCAL m_p = nullptr;
};
