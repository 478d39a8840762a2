#include "settings/settings_store.h"

#include <windows.h>

#include <cstring>

#include "framework/local_block.h"
#include "settings/registry_key.h"

// The store asks for full access even to read: a user who may only read the
// key is treated as having nothing stored, and the dialog then shows defaults.

UrlText ReadServiceUrl()
{
    UrlText url;
    RegistryKey key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SETTINGS_KEY, 0, KEY_ALL_ACCESS, key.Receive()) !=
            ERROR_SUCCESS ||
        !key)
        return url;

    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key.Get(), SETTINGS_VALUE, nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS ||
        size <= 1)
        return url;

    LocalBlock block(size, LPTR);
    if (!block.Get()) return url;
    if (RegQueryValueExA(key.Get(), SETTINGS_VALUE, nullptr, &type, block.As<BYTE>(), &size) !=
        ERROR_SUCCESS)
        return url;

    // Stored data need not carry a terminator, and the second query may report
    // fewer bytes than the first: copy what came back and no more, cut to the
    // buffer. A longer value keeps its first 255 characters.
    const char* data = block.As<const char>();
    SIZE_T length = 0;
    while (length < size && length < sizeof url.text - 1 && data[length] != '\0') ++length;
    std::memcpy(url.text, data, length);
    url.text[length] = '\0';
    return url;
}

bool WriteServiceUrl(const char* url)
{
    RegistryKey key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SETTINGS_KEY, 0, KEY_ALL_ACCESS, key.Receive()) !=
        ERROR_SUCCESS) {
        // Creates every missing level of the path. A key that exists but
        // refuses full access fails here the same way it failed to open.
        RegCreateKeyExA(HKEY_CURRENT_USER, SETTINGS_KEY, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, key.Receive(), nullptr);
    }
    if (!key) return false;

    const DWORD bytes = static_cast<DWORD>(std::strlen(url) + 1);
    return RegSetValueExA(key.Get(), SETTINGS_VALUE, 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(url), bytes) == ERROR_SUCCESS;
}
