#include "tests/support/settings_value.h"

#include <sddl.h>

#include <cstdio>
#include <stdexcept>

namespace {

constexpr wchar_t VENDOR_KEY[] = L"Software\\Kestrune";
constexpr wchar_t SETTINGS_KEY[] = L"Software\\Kestrune\\Talvo\\REG";
constexpr wchar_t SETTINGS_VALUE[] = L"HttpAddr";

class Key {
public:
    Key() = default;
    ~Key()
    {
        if (handle_) RegCloseKey(handle_);
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    HKEY* Out() { return &handle_; }
    HKEY Get() const { return handle_; }

private:
    HKEY handle_ = nullptr;
};

void Check(LONG status, const char* what)
{
    if (status != ERROR_SUCCESS)
        throw std::runtime_error(std::string(what) + " failed with " + std::to_string(status));
}

void OpenSettingsKey(Key& key, REGSAM access)
{
    Check(RegOpenKeyExW(HKEY_CURRENT_USER, SETTINGS_KEY, 0, access, key.Out()),
          "opening the settings key");
}

void SetDacl(const std::vector<BYTE>& descriptor)
{
    Key key;
    OpenSettingsKey(key, WRITE_DAC);
    Check(RegSetKeySecurity(key.Get(), DACL_SECURITY_INFORMATION,
                            const_cast<BYTE*>(descriptor.data())),
          "RegSetKeySecurity");
}

// The value read with a marker in every out-parameter, so that a field the
// registry did not fill shows.
template <class Query>
StoredValue ReadWith(Query query)
{
    StoredValue value;
    Key key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, SETTINGS_KEY, 0, KEY_READ, key.Out()) != ERROR_SUCCESS)
        return value;
    DWORD type = 0xDEADBEEF;
    std::vector<BYTE> buffer(4096, 0xCC);
    DWORD size = static_cast<DWORD>(buffer.size());
    const LONG status = query(key.Get(), &type, buffer.data(), &size);
    if (status == ERROR_FILE_NOT_FOUND) return value;
    Check(status, "reading HttpAddr");
    value.present = true;
    value.type = type;
    value.bytes.assign(buffer.begin(), buffer.begin() + size);
    return value;
}

}  // namespace

void RemoveVendorKey()
{
    const LONG status = RegDeleteTreeW(HKEY_CURRENT_USER, VENDOR_KEY);
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND)
        Check(status, "removing HKCU\\Software\\Kestrune");
    Key probe;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, VENDOR_KEY, 0, KEY_READ, probe.Out()) == ERROR_SUCCESS)
        throw std::runtime_error("HKCU\\Software\\Kestrune is still there after deleting it");
}

void CreateSettingsKey()
{
    Key key;
    Check(RegCreateKeyExW(HKEY_CURRENT_USER, SETTINGS_KEY, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                          key.Out(), nullptr),
          "creating the settings key");
}

void StoreValue(DWORD type, const std::vector<BYTE>& bytes)
{
    CreateSettingsKey();
    Key key;
    OpenSettingsKey(key, KEY_SET_VALUE);
    Check(RegSetValueExW(key.Get(), SETTINGS_VALUE, 0, type, bytes.data(),
                         static_cast<DWORD>(bytes.size())),
          "storing HttpAddr");
}

void StoreText(const std::wstring& text, DWORD type)
{
    const BYTE* begin = reinterpret_cast<const BYTE*>(text.c_str());
    StoreValue(type, std::vector<BYTE>(begin, begin + (text.size() + 1) * sizeof(wchar_t)));
}

void DeleteValue()
{
    Key key;
    OpenSettingsKey(key, KEY_SET_VALUE);
    Check(RegDeleteValueW(key.Get(), SETTINGS_VALUE), "deleting HttpAddr");
}

std::vector<BYTE> AsciiBytes(const std::string& text, bool terminated)
{
    std::vector<BYTE> bytes(text.begin(), text.end());
    if (terminated) bytes.push_back(0);
    return bytes;
}

StoredValue ReadValueAnsi()
{
    return ReadWith([](HKEY key, DWORD* type, BYTE* data, DWORD* size) {
        return RegQueryValueExA(key, "HttpAddr", nullptr, type, data, size);
    });
}

StoredValue ReadValueWide()
{
    return ReadWith([](HKEY key, DWORD* type, BYTE* data, DWORD* size) {
        return RegQueryValueExW(key, SETTINGS_VALUE, nullptr, type, data, size);
    });
}

std::string Describe(const StoredValue& value)
{
    if (!value.present) return "no value";
    std::string out = "type " + std::to_string(value.type) + ", " +
                      std::to_string(value.bytes.size()) + " bytes:";
    for (BYTE b : value.bytes) {
        char hex[4];
        std::snprintf(hex, sizeof hex, " %02X", b);
        out += hex;
    }
    return out;
}

::testing::AssertionResult StoredUrlIs(const std::string& url)
{
    StoredValue expected{true, REG_SZ, AsciiBytes(url)};
    const StoredValue ansi = ReadValueAnsi();
    if (!(ansi == expected))
        return ::testing::AssertionFailure()
               << "HttpAddr through RegQueryValueExA: " << Describe(ansi) << "\n   expected "
               << Describe(expected) << " (\"" << url << "\" and one terminator)";
    // The wide view shows what is stored: exactly one terminator and no more.
    const std::wstring wide(url.begin(), url.end());  // a service URL is ASCII
    const BYTE* begin = reinterpret_cast<const BYTE*>(wide.c_str());
    expected.bytes.assign(begin, begin + (wide.size() + 1) * sizeof(wchar_t));
    const StoredValue stored = ReadValueWide();
    if (!(stored == expected))
        return ::testing::AssertionFailure() << "HttpAddr through RegQueryValueExW: "
                                             << Describe(stored) << "\n   expected "
                                             << Describe(expected);
    return ::testing::AssertionSuccess();
}

ReadOnlySettingsKey::ReadOnlySettingsKey()
{
    {
        Key key;
        OpenSettingsKey(key, READ_CONTROL);
        DWORD size = 0;
        RegGetKeySecurity(key.Get(), DACL_SECURITY_INFORMATION, nullptr, &size);
        original_.resize(size);
        Check(RegGetKeySecurity(key.Get(), DACL_SECURITY_INFORMATION, original_.data(), &size),
              "RegGetKeySecurity");
    }
    // Everyone may read, and change the DACL back; nobody may write. The
    // rights in hex: KEY_READ | WRITE_DAC.
    PSECURITY_DESCRIPTOR readOnly = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:P(A;;0x00060019;;;WD)",
                                                              SDDL_REVISION_1, &readOnly, nullptr))
        throw std::runtime_error("cannot build the read-only DACL");
    const BYTE* begin = static_cast<const BYTE*>(readOnly);
    std::vector<BYTE> descriptor(begin, begin + GetSecurityDescriptorLength(readOnly));
    LocalFree(readOnly);
    SetDacl(descriptor);

    Key full;
    const LONG status =
        RegOpenKeyExW(HKEY_CURRENT_USER, SETTINGS_KEY, 0, KEY_ALL_ACCESS, full.Out());
    if (status != ERROR_ACCESS_DENIED) {
        SetDacl(original_);
        throw std::runtime_error("the read-only settings key still opens with KEY_ALL_ACCESS: " +
                                 std::to_string(status));
    }
}

ReadOnlySettingsKey::~ReadOnlySettingsKey()
{
    try {
        SetDacl(original_);
    } catch (const std::exception& e) {
        ADD_FAILURE() << "cannot give the settings key its access back: " << e.what();
    }
}
