// GoogleTest copies every failure message to OutputDebugStringA. Under Wine
// on qemu-user (this machine runs 32-bit Windows code that way) the debug
// exception that call raises is unwound through a handler chain that
// crashes or hangs the process after the first failure, and a crashed
// binary may even exit with 0. The message is on stdout already, so the
// debug copy goes nowhere: this import slot, defined here, is taken by the
// linker instead of kernel32's.
#include <windows.h>

namespace {

void WINAPI DropDebugOutput(LPCSTR) {}

}  // namespace

extern "C" {
void(WINAPI* quiet_output_debug_string)(LPCSTR) __asm__("__imp__OutputDebugStringA@4") = DropDebugOutput;
}
