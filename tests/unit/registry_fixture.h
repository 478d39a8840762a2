#pragma once
// Real-registry helpers for tests that run inside the throwaway Wine prefix.
// Each test starts and ends without any HKCU\Software\Kestrune key.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

struct RegistryValue {
    bool present = false;
    DWORD type = 0;
    std::string bytes;  // exactly the stored bytes, terminator included
};

class SettingsKeyTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

public:
    // Creates the settings key (all levels) and stores the raw bytes.
    static void StoreRaw(DWORD type, const std::string& bytes);
    static void StoreText(const std::string& text) { StoreRaw(REG_SZ, text + '\0'); }
    static void CreateKeyWithoutValue();
    // Leaves the settings key readable, but refuses full access to it.
    static void MakeKeyReadOnly();
    static RegistryValue ReadRaw();
    static bool KeyExists(const char* path);
};
