#pragma once
// The program under test as a child process. The destructor ends it if it is
// still running, so a failed case never leaves a Pellorin behind.
//
// It inherits the driver's environment: LC_ALL, and WINEDLLOVERRIDES, which
// Wine's loader takes from the Unix environment that a process starts with,
// not from an environment block handed to CreateProcessW.

#include <windows.h>

#include <string>

// Pellorin.exe as a Windows path (Wine reaches the build tree through Z:).
std::wstring PellorinExePath();

class PellorinProcess {
public:
    PellorinProcess();
    ~PellorinProcess();
    PellorinProcess(const PellorinProcess&) = delete;
    PellorinProcess& operator=(const PellorinProcess&) = delete;

    DWORD Id() const { return info_.dwProcessId; }
    bool HasExited(DWORD waitMs = 0) const;
    DWORD ExitCode() const;

private:
    PROCESS_INFORMATION info_{};
};
