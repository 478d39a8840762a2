// The probe: a WH_CALLWNDPROC hook that Wine or Windows loads into Pellorin's
// UI thread. It answers the driver's requests there and touches nothing else.
#include <windows.h>
#include <commctrl.h>

#include "probe_protocol.h"

namespace {

void DescribeSystemMenu(HWND dialog, ProbeReport& report)
{
    HMENU menu = GetSystemMenu(dialog, FALSE);
    report.menuItemCount = menu ? GetMenuItemCount(menu) : -1;
    for (int i = 0; i < report.menuItemCount && i < PROBE_MAX_ITEMS; ++i) {
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STRING;
        item.dwTypeData = report.menu[i].text;
        item.cch = PROBE_MAX_TEXT;
        GetMenuItemInfoW(menu, i, TRUE, &item);
        report.menu[i].id = item.wID;
        report.menu[i].type = item.fType;
    }
}

void Answer(WPARAM request, HWND target)
{
    wchar_t name[64];
    ProbeReportName(GetCurrentProcessId(), name);
    HANDLE mapping = OpenFileMappingW(FILE_MAP_WRITE, FALSE, name);
    if (!mapping) return;
    if (auto* report = static_cast<ProbeReport*>(
            MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof(ProbeReport)))) {
        switch (request) {
        case PROBE_SYSTEM_MENU:
            DescribeSystemMenu(target, *report);
            break;
        case PROBE_IP_ADDRESS: {
            DWORD address = 0xDEADBEEF;
            report->ipFilledFields =
                static_cast<LONG>(SendMessageW(target, IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&address)));
            report->ipAddress = address;
            break;
        }
        case PROBE_CODE_PAGE:
            report->ansiCodePage = GetACP();
            break;
        case PROBE_SEND:
            report->sendResult = SendMessageW(target, report->sendMessage, report->sendWParam, 0);
            break;
        }
        report->answered = static_cast<LONG>(request);
        UnmapViewOfFile(report);
    }
    CloseHandle(mapping);
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK PellorinProbeHook(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == RegisterWindowMessageW(PROBE_REQUEST_MESSAGE))
        Answer(call->wParam, reinterpret_cast<HWND>(call->lParam));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
