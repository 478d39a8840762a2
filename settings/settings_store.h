#pragma once
// The one persistent setting: HKEY_CURRENT_USER\Software\Kestrune\Talvo\REG,
// value "HttpAddr" (REG_SZ). Other software picks the address up from there.
// Each call opens the key afresh and closes it before returning.

#include "settings/service_url.h"

constexpr char SETTINGS_KEY[] = "Software\\Kestrune\\Talvo\\REG";
constexpr char SETTINGS_VALUE[] = "HttpAddr";

// The stored text, or an empty text when there is none or it cannot be read.
// A value longer than 255 characters is cut to its first 255.
UrlText ReadServiceUrl();

// true when the value was written as REG_SZ, text plus its terminator.
bool WriteServiceUrl(const char* url);
