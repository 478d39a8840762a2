#include "framework/integer_text.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// strtol's white space in the C locale.
bool IsCSpace(char c) { return IsBlank(c) || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool ParseIntegerText(const char* text, std::int32_t& value)
{
    // Work on the first INTEGER_TEXT_MAX characters only.
    char work[INTEGER_TEXT_MAX + 1];
    int n = 0;
    for (; n < INTEGER_TEXT_MAX && text[n]; ++n) work[n] = text[n];
    work[n] = '\0';

    const char* p = work;
    while (IsBlank(*p)) ++p;
    const char first = *p;

    // strtol: white space, sign, digits; saturate at the 32-bit limits.
    const char* q = p;
    while (IsCSpace(*q)) ++q;
    bool negative = false;
    if (*q == '+' || *q == '-') negative = (*q++ == '-');
    const std::int64_t limit = negative ? -static_cast<std::int64_t>(INT32_MIN) : INT32_MAX;
    std::int64_t magnitude = 0;
    const char* digits = q;
    for (; IsDigit(*q); ++q)
        if (magnitude < limit) magnitude = magnitude * 10 + (*q - '0');
    if (magnitude > limit) magnitude = limit;
    // Without digits strtol reads nothing and yields 0.
    std::int32_t result = 0;
    if (q != digits) result = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
    else q = p;

    if (result == 0 && first != '0') return false;
    while (IsBlank(*q)) ++q;
    if (*q != '\0') return false;
    value = result;
    return true;
}
