#pragma once
// Wine runs under qemu-user on the test machines, so a window can take a few
// seconds to appear. Every wait has a limit: a hung or crashed program fails
// its case instead of hanging the run.

#include <windows.h>

constexpr DWORD UI_TIMEOUT_MS = 15000;    // a window appears, a box closes
constexpr DWORD EXIT_TIMEOUT_MS = 15000;  // the process ends after its dialog closed

// Polls until `condition` holds or the time is up; returns the last answer.
template <class Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs = UI_TIMEOUT_MS)
{
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start >= timeoutMs) return condition();
        Sleep(20);
    }
}
