/* One timed start of a dialog program: from CreateProcess until its dialog
 * is visible, then its memory while the dialog is up, then closed again. */
#ifndef BENCH_LAUNCH_H
#define BENCH_LAUNCH_H

#include <windows.h>

typedef struct LaunchResult {
    BOOL ok;
    double startupMs;  /* CreateProcess until the dialog is visible */
    double exitMs;     /* close request until the process has ended */
    /* Memory while the dialog is up. */
    SIZE_T pagefileKiB;   /* PagefileUsage: private commit on Windows */
    SIZE_T privateKiB;    /* PrivateUsage: the same, where the system reports it */
    SIZE_T workingSetKiB;
    SIZE_T committedKiB;  /* private committed pages, added up region by region */
    char error[160];
} LaunchResult;

void LaunchDialogProgram(const char* path, DWORD deadlineMs, LaunchResult* result);

#endif
