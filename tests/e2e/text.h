#pragma once
// The driver reads windows through the wide API and compares in UTF-8, so
// that a failure prints readable Chinese (GoogleTest shows UTF-8 strings "As
// Text") and expectations can be written as u8"" literals.

#include <string>

std::string Utf8(const std::wstring& text);
std::wstring Wide(const std::string& utf8);
