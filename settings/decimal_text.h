#pragma once
// Decimal numbers in text, both ways, without the C run-time's printf: in the
// executable that would bring MinGW's own stdio along, several times the size
// of everything else.

// Text to number, the way the C run-time's atol reads stored URLs:
// leading white space, one optional sign, digits up to the first other
// character, 32-bit arithmetic that wraps on overflow, no digits gives 0.

#include <cstdint>

std::int32_t WrappingAtol(const char* text);

// Writes format into out, each "%d" replaced by the next of values as a
// signed decimal; no other conversion is known. The result is always
// terminated; false when it did not fit or values ran out.
bool FormatDecimals(char* out, int capacity, const char* format, const std::int32_t* values,
                    int count);
