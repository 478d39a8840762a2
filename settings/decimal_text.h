#pragma once
// Decimal text to number, the way the C run-time's atol reads stored URLs:
// leading white space, one optional sign, digits up to the first other
// character, 32-bit arithmetic that wraps on overflow, no digits gives 0.

#include <cstdint>

std::int32_t WrappingAtol(const char* text);
