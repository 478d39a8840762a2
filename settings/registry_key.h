#pragma once
// An open registry key that closes itself, so that no early return leaks it.

#include <windows.h>

class RegistryKey {
public:
    RegistryKey() = default;
    ~RegistryKey()
    {
        if (m_hKey) RegCloseKey(m_hKey);  // nothing to do about a failed close
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    // For the out-parameter of RegOpenKeyEx / RegCreateKeyEx. Stays null when
    // the call fails.
    HKEY* Receive() { return &m_hKey; }
    HKEY Get() const { return m_hKey; }
    explicit operator bool() const { return m_hKey != nullptr; }

private:
    HKEY m_hKey = nullptr;
};
