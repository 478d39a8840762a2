#include "bench/driver/launch.h"

#include <psapi.h>
#include <stdio.h>
#include <string.h>

typedef struct DialogSearch {
    DWORD processId;
    HWND found;
} DialogSearch;

static BOOL CALLBACK MatchDialog(HWND window, LPARAM context)
{
    DialogSearch* search = (DialogSearch*)context;
    DWORD owner = 0;
    char className[16];
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
    if (!GetClassNameA(window, className, sizeof className) || strcmp(className, "#32770") != 0)
        return TRUE;
    search->found = window;
    return FALSE;
}

static HWND FindVisibleDialog(DWORD processId)
{
    DialogSearch search = {processId, NULL};
    EnumWindows(MatchDialog, (LPARAM)&search);
    return search.found;
}

/* The Windows notion of private bytes, added up from the process's own
 * address space. Unlike the counters of GetProcessMemoryInfo, which Wine takes
 * from the Unix process (and so from an emulator's code cache as well, where
 * one runs underneath), it counts only what the program itself committed. */
static SIZE_T PrivateCommittedBytes(HANDLE process)
{
    MEMORY_BASIC_INFORMATION region;
    const BYTE* address = NULL;
    SIZE_T total = 0;
    while (VirtualQueryEx(process, address, &region, sizeof region) == sizeof region) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
        if ((const BYTE*)region.BaseAddress + region.RegionSize <= address) break;
        address = (const BYTE*)region.BaseAddress + region.RegionSize;
    }
    return total;
}

static double ElapsedMs(LARGE_INTEGER from, LARGE_INTEGER frequency)
{
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return (double)(now.QuadPart - from.QuadPart) * 1000.0 / (double)frequency.QuadPart;
}

static void Fail(LaunchResult* result, const char* what, DWORD detail)
{
    result->ok = FALSE;
    snprintf(result->error, sizeof result->error, "%s (%lu)", what, detail);
}

void LaunchDialogProgram(const char* path, DWORD deadlineMs, LaunchResult* result)
{
    STARTUPINFOA startup;
    PROCESS_INFORMATION process;
    PROCESS_MEMORY_COUNTERS_EX memory;
    LARGE_INTEGER frequency, start;
    HWND dialog = NULL;
    char commandLine[MAX_PATH + 2];

    memset(result, 0, sizeof *result);
    memset(&startup, 0, sizeof startup);
    startup.cb = sizeof startup;
    snprintf(commandLine, sizeof commandLine, "\"%s\"", path);
    QueryPerformanceFrequency(&frequency);

    QueryPerformanceCounter(&start);
    if (!CreateProcessA(path, commandLine, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process)) {
        Fail(result, "CreateProcess failed", GetLastError());
        return;
    }
    /* Waiting on the process doubles as the poll interval: a millisecond is
     * finer than the noise, and spinning would take the CPU from the very
     * process being timed. */
    while (!(dialog = FindVisibleDialog(process.dwProcessId))) {
        if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) {
            DWORD code = 0;
            GetExitCodeProcess(process.hProcess, &code);
            Fail(result, "exited before its dialog was visible, exit code", code);
            goto done;
        }
        if (ElapsedMs(start, frequency) > deadlineMs) {
            Fail(result, "no visible dialog before the deadline, ms", deadlineMs);
            TerminateProcess(process.hProcess, 1);
            goto done;
        }
    }
    result->startupMs = ElapsedMs(start, frequency);

    /* Memory is read once the program has settled into its message loop with
     * the dialog up, so that both programs are caught in the same state. */
    WaitForInputIdle(process.hProcess, deadlineMs);
    memset(&memory, 0, sizeof memory);
    memory.cb = sizeof memory;
    if (!GetProcessMemoryInfo(process.hProcess, (PROCESS_MEMORY_COUNTERS*)&memory, sizeof memory)) {
        Fail(result, "GetProcessMemoryInfo failed", GetLastError());
        TerminateProcess(process.hProcess, 1);
        goto done;
    }
    result->pagefileKiB = memory.PagefileUsage / 1024;
    result->privateKiB = memory.PrivateUsage / 1024;
    result->workingSetKiB = memory.WorkingSetSize / 1024;
    result->committedKiB = PrivateCommittedBytes(process.hProcess) / 1024;

    /* What the Cancel button sends; both programs end their dialog on it. */
    QueryPerformanceCounter(&start);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 (LPARAM)GetDlgItem(dialog, IDCANCEL));
    if (WaitForSingleObject(process.hProcess, deadlineMs) != WAIT_OBJECT_0) {
        Fail(result, "did not end after Cancel within ms", deadlineMs);
        TerminateProcess(process.hProcess, 1);
        goto done;
    }
    result->exitMs = ElapsedMs(start, frequency);
    result->ok = TRUE;

done:
    WaitForSingleObject(process.hProcess, deadlineMs);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}
