#include "in_process_probe.h"

#include <stdexcept>

#include "text.h"
#include "wait.h"

namespace {

std::wstring ProbePath()
{
    // Built beside the driver.
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring dir(path, length);
    dir.erase(dir.find_last_of(L"\\/") + 1);
    return dir + L"pellorin_e2e_probe.dll";
}

}  // namespace

InProcessProbe::InProcessProbe(HWND dialog) : dialog_(dialog)
{
    DWORD processId = 0;
    const DWORD threadId = GetWindowThreadProcessId(dialog, &processId);
    wchar_t name[64];
    ProbeReportName(processId, name);
    mapping_ = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                  sizeof(ProbeReport), name);
    if (mapping_) report_ = static_cast<ProbeReport*>(MapViewOfFile(mapping_, FILE_MAP_ALL_ACCESS, 0, 0, 0));
    module_ = LoadLibraryW(ProbePath().c_str());
    // GetProcAddress's FARPROC takes no arguments; go through void* to the
    // hook's real type.
    auto* proc = module_ ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(
                               GetProcAddress(module_, Utf8(PROBE_HOOK_EXPORT).c_str())))
                         : nullptr;
    if (proc) hook_ = SetWindowsHookExW(WH_CALLWNDPROC, proc, module_, threadId);
    if (!report_ || !hook_) {
        Release();
        throw std::runtime_error("cannot hook the probe into Pellorin's thread: " + Utf8(ProbePath()));
    }
}

InProcessProbe::~InProcessProbe() { Release(); }

void InProcessProbe::Release()
{
    if (hook_) UnhookWindowsHookEx(hook_);
    if (module_) FreeLibrary(module_);
    if (report_) UnmapViewOfFile(report_);
    if (mapping_) CloseHandle(mapping_);
    hook_ = nullptr;
    module_ = nullptr;
    report_ = nullptr;
    mapping_ = nullptr;
}

const ProbeReport& InProcessProbe::Ask(ProbeRequest request, HWND target, UINT message, WPARAM wParam)
{
    ZeroMemory(report_, sizeof *report_);
    report_->sendMessage = message;
    report_->sendWParam = wParam;
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutW(dialog_, RegisterWindowMessageW(PROBE_REQUEST_MESSAGE), request,
                             reinterpret_cast<LPARAM>(target), SMTO_NORMAL, UI_TIMEOUT_MS, &ignored))
        throw std::runtime_error("Pellorin's thread did not take the probe's request");
    if (report_->answered != static_cast<LONG>(request))
        throw std::runtime_error("the probe did not answer request " + std::to_string(request));
    return *report_;
}

std::vector<MenuEntry> InProcessProbe::SystemMenu()
{
    const ProbeReport& report = Ask(PROBE_SYSTEM_MENU, dialog_);
    if (report.menuItemCount < 0) throw std::runtime_error("the dialog has no system menu");
    std::vector<MenuEntry> entries;
    for (int i = 0; i < report.menuItemCount && i < PROBE_MAX_ITEMS; ++i)
        entries.push_back({report.menu[i].id, report.menu[i].type, Utf8(report.menu[i].text)});
    return entries;
}

IpReading InProcessProbe::IpAddress(HWND ipControl)
{
    const ProbeReport& report = Ask(PROBE_IP_ADDRESS, ipControl);
    return {report.ipFilledFields, report.ipAddress};
}

UINT InProcessProbe::AnsiCodePage() { return Ask(PROBE_CODE_PAGE, dialog_).ansiCodePage; }

LRESULT InProcessProbe::Send(HWND target, UINT message, WPARAM wParam)
{
    return Ask(PROBE_SEND, target, message, wParam).sendResult;
}
