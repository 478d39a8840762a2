#include "pellorin_process.h"

#include <stdexcept>

#include "text.h"
#include "wait.h"

std::wstring PellorinExePath()
{
    std::wstring path = Wide(PELLORIN_EXE);
    if (!path.empty() && path[0] == L'/') path = L"Z:" + path;
    for (wchar_t& c : path)
        if (c == L'/') c = L'\\';
    return path;
}

PellorinProcess::PellorinProcess()
{
    const std::wstring exe = PellorinExePath();
    std::wstring commandLine = L"\"" + exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &info_))
        throw std::runtime_error("cannot start " + Utf8(exe) + ", error " +
                                 std::to_string(GetLastError()));
}

PellorinProcess::~PellorinProcess()
{
    if (!HasExited()) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, EXIT_TIMEOUT_MS);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool PellorinProcess::HasExited(DWORD waitMs) const
{
    return WaitForSingleObject(info_.hProcess, waitMs) == WAIT_OBJECT_0;
}

DWORD PellorinProcess::ExitCode() const
{
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}
