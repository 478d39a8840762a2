#pragma once
// The program's one setting, HKCU\Software\Kestrune\Talvo\REG "HttpAddr", set
// up before a case and read back after it in the session's throwaway Wine
// prefix. Failures to set up throw: a case that cannot arrange its registry
// proves nothing.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Removes Software\Kestrune with everything below it: "no key at all".
void RemoveVendorKey();
void CreateSettingsKey();
// Stores raw bytes under any type.
void StoreValue(DWORD type, const std::vector<BYTE>& bytes);
// Stores a text as other software would: UTF-16 with its terminator.
void StoreText(const std::wstring& text, DWORD type = REG_SZ);
void DeleteValue();

std::vector<BYTE> AsciiBytes(const std::string& text, bool terminated = true);

struct StoredValue {
    bool present = false;
    DWORD type = 0;
    std::vector<BYTE> bytes;
    bool operator==(const StoredValue& other) const
    {
        return present == other.present && type == other.type && bytes == other.bytes;
    }
};

// The value as RegQueryValueExA hands it to 8-bit software such as the seal
// clients, and as the wide API sees it.
StoredValue ReadValueAnsi();
StoredValue ReadValueWide();
std::string Describe(const StoredValue& value);

// The value is `url` exactly: REG_SZ, text plus one terminator, nothing more.
::testing::AssertionResult StoredUrlIs(const std::string& url);

// While it lives, the settings key (which must exist) grants the user reading
// only: opening it with KEY_ALL_ACCESS fails with ERROR_ACCESS_DENIED. The
// key's own security is put back afterwards.
class ReadOnlySettingsKey {
public:
    ReadOnlySettingsKey();
    ~ReadOnlySettingsKey();
    ReadOnlySettingsKey(const ReadOnlySettingsKey&) = delete;
    ReadOnlySettingsKey& operator=(const ReadOnlySettingsKey&) = delete;

private:
    std::vector<BYTE> original_;
};
