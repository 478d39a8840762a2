#include "registry_fixture.h"

void SettingsKeyTest::StoreRaw(DWORD type, const std::string& bytes)
{
    CreateSettingsKey();
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Kestrune\\Talvo\\REG", 0, KEY_SET_VALUE,
                            &key),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(key, "HttpAddr", 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                             static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

RegistryValue SettingsKeyTest::ReadRaw()
{
    const StoredValue stored = ReadValueAnsi();
    RegistryValue value;
    value.present = stored.present;
    value.type = stored.type;
    value.bytes.assign(stored.bytes.begin(), stored.bytes.end());
    return value;
}

bool SettingsKeyTest::KeyExists(const char* path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}
