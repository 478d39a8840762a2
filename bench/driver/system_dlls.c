#include "bench/driver/system_dlls.h"

/* DLLs that every Windows since XP keeps in System32 and that no installer
 * ships. msvcrt.dll belongs here: it is the system's own C runtime, unlike
 * the versioned Visual C++ runtimes (msvcr*.dll, vcruntime*.dll), the
 * universal CRT forwarders, or MinGW's libgcc_s/libstdc++/libwinpthread,
 * all of which a user would have to install and all of which are refused. */
static const char* const kWindowsDlls[] = {
    "kernel32.dll", "user32.dll",  "gdi32.dll",    "advapi32.dll", "comctl32.dll",
    "msvcrt.dll",   "ntdll.dll",   "shell32.dll",  "shlwapi.dll",  "ole32.dll",
    "oleaut32.dll", "comdlg32.dll", "version.dll", "imm32.dll",    "winmm.dll",
    "ws2_32.dll",   "psapi.dll",   "uxtheme.dll",
};

BOOL IsWindowsSystemDll(const char* dll)
{
    unsigned i;
    for (i = 0; i < sizeof kWindowsDlls / sizeof kWindowsDlls[0]; ++i)
        if (lstrcmpiA(dll, kWindowsDlls[i]) == 0) return TRUE;
    return FALSE;
}
