#pragma once
// Real-registry fixture for tests that run inside the throwaway Wine prefix.
// Each test starts and ends without any HKCU\Software\Kestrune key. Removing,
// creating, reading back and locking the key are shared with the end-to-end
// driver; storing here goes through the 8-bit API, as the store's peers do.

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/support/settings_value.h"

struct RegistryValue {
    bool present = false;
    DWORD type = 0;
    std::string bytes;  // exactly the stored bytes, terminator included
};

class SettingsKeyTest : public ::testing::Test {
protected:
    void SetUp() override { RemoveVendorKey(); }
    void TearDown() override
    {
        m_readOnly.reset();
        RemoveVendorKey();
    }

public:
    // Creates the settings key (all levels) and stores the raw bytes.
    static void StoreRaw(DWORD type, const std::string& bytes);
    static void StoreText(const std::string& text) { StoreRaw(REG_SZ, text + '\0'); }
    static void CreateKeyWithoutValue() { CreateSettingsKey(); }
    // Leaves the settings key readable, but refuses full access to it, until
    // the test ends.
    void MakeKeyReadOnly() { m_readOnly = std::make_unique<ReadOnlySettingsKey>(); }
    static RegistryValue ReadRaw();
    static bool KeyExists(const char* path);

private:
    std::unique_ptr<ReadOnlySettingsKey> m_readOnly;
};
