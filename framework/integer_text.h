#pragma once
// How the integer exchange reads a number from an edit control. No Windows
// here, so the rule can be checked on its own.
//
// Only the first INTEGER_TEXT_MAX characters count. Leading spaces and tabs
// are skipped; then the text is read the way strtol reads base 10: white
// space, an optional sign, decimal digits, and a value beyond 32 bits becomes
// the nearest limit. Only spaces and tabs may follow the number. A result of
// 0 counts only when the first non-blank character is '0', so "-0", a lone
// sign and a text without digits are not integers.

#include <cstdint>

constexpr int INTEGER_TEXT_MAX = 31;

// true and the value, or false when the text is not an integer (value untouched).
bool ParseIntegerText(const char* text, std::int32_t& value);
