#include "registry_fixture.h"

#include <sddl.h>

namespace {

constexpr char kVendorKey[] = "Software\\Kestrune";
constexpr char kKey[] = "Software\\Kestrune\\Talvo\\REG";
constexpr char kValue[] = "HttpAddr";

HKEY CreateKey()
{
    HKEY key = nullptr;
    const LONG status = RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                                        nullptr, &key, nullptr);
    EXPECT_EQ(status, ERROR_SUCCESS);
    return key;
}

void SetDacl(HKEY key, const char* sddl)
{
    PSECURITY_DESCRIPTOR sd = nullptr;
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &sd,
                                                                     nullptr));
    EXPECT_EQ(RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, sd), ERROR_SUCCESS);
    LocalFree(sd);
}

void RemoveVendorKey()
{
    // A read-only key left by a test must be opened up before it can go.
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, WRITE_DAC, &key) == ERROR_SUCCESS) {
        SetDacl(key, "D:(A;;KA;;;WD)");
        RegCloseKey(key);
    }
    const LONG status = RegDeleteTreeA(HKEY_CURRENT_USER, kVendorKey);
    ASSERT_TRUE(status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND) << status;
    ASSERT_FALSE(SettingsKeyTest::KeyExists(kVendorKey));
}

}  // namespace

void SettingsKeyTest::SetUp() { RemoveVendorKey(); }
void SettingsKeyTest::TearDown() { RemoveVendorKey(); }

void SettingsKeyTest::StoreRaw(DWORD type, const std::string& bytes)
{
    HKEY key = CreateKey();
    ASSERT_EQ(RegSetValueExA(key, kValue, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                             static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

void SettingsKeyTest::CreateKeyWithoutValue() { RegCloseKey(CreateKey()); }

void SettingsKeyTest::MakeKeyReadOnly()
{
    HKEY key = CreateKey();
    SetDacl(key, "D:(A;;KRWD;;;WD)");  // read, and change the DACL again later
    RegCloseKey(key);
    HKEY probe = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_ALL_ACCESS, &probe),
              ERROR_ACCESS_DENIED);
}

RegistryValue SettingsKeyTest::ReadRaw()
{
    RegistryValue value;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return value;
    DWORD size = 0;
    if (RegQueryValueExA(key, kValue, nullptr, &value.type, nullptr, &size) == ERROR_SUCCESS) {
        value.bytes.assign(size, '\xCC');
        EXPECT_EQ(RegQueryValueExA(key, kValue, nullptr, &value.type,
                                   reinterpret_cast<BYTE*>(&value.bytes[0]), &size),
                  ERROR_SUCCESS);
        value.bytes.resize(size);
        value.present = true;
    }
    RegCloseKey(key);
    return value;
}

bool SettingsKeyTest::KeyExists(const char* path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}
