#pragma once
// GoogleTest's own printer hands every failure to OutputDebugStringA as
// well. That raises an exception which Wine catches again at once, and
// under qemu-user (our i386 Wine) that round trip ends in an illegal
// instruction: the first failed check would kill or hang the driver. This
// listener takes the printer's place, prints failures itself and passes every
// other event to it unchanged.

#include <gtest/gtest.h>

// Swaps GoogleTest's default result printer for one that never calls the
// debugger output. Call after InitGoogleTest.
void UseFailurePrinterWithoutDebuggerOutput();
