/* Which DLLs may a program import and still "need no DLL beyond Windows"? */
#ifndef BENCH_SYSTEM_DLLS_H
#define BENCH_SYSTEM_DLLS_H

#include <windows.h>

BOOL IsWindowsSystemDll(const char* dll);

#endif
