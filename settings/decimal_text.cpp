#include "settings/decimal_text.h"

namespace {

bool IsAtolSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

std::int32_t WrappingAtol(const char* text)
{
    while (IsAtolSpace(*text)) ++text;
    bool negative = false;
    if (*text == '+' || *text == '-') negative = (*text++ == '-');

    // Unsigned arithmetic wraps by definition; signed overflow would not.
    std::uint32_t value = 0;
    for (; *text >= '0' && *text <= '9'; ++text)
        value = value * 10u + static_cast<std::uint32_t>(*text - '0');
    if (negative) value = 0u - value;
    return static_cast<std::int32_t>(value);
}

bool FormatDecimals(char* out, int capacity, const char* format, const std::int32_t* values,
                    int count)
{
    if (capacity <= 0) return false;
    int used = 0;
    auto put = [&](char c) {
        if (used + 1 >= capacity) return false;
        out[used++] = c;
        return true;
    };
    bool ok = true;
    for (; *format && ok; ++format) {
        if (format[0] != '%' || format[1] != 'd') {
            ok = put(*format);
            continue;
        }
        ++format;
        if (count-- <= 0) {
            ok = false;
            break;
        }
        const std::int32_t value = *values++;
        // Magnitude in unsigned arithmetic, so that INT32_MIN has one too.
        std::uint32_t magnitude = static_cast<std::uint32_t>(value);
        if (value < 0) {
            magnitude = 0u - magnitude;
            ok = put('-');
        }
        char digits[10];
        int n = 0;
        do {
            digits[n++] = static_cast<char>('0' + magnitude % 10u);
            magnitude /= 10u;
        } while (magnitude);
        while (n && ok) ok = put(digits[--n]);
    }
    out[used] = '\0';
    return ok;
}
