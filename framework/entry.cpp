// The process's entry into the framework. Linked in by name (see
// framework/CMakeLists.txt): nothing in the program refers to it.
#include <windows.h>

#include "framework/win_app.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return AfxWinMain(); }
