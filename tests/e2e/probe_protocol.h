#pragma once
// What the driver asks of the probe that it hooks into Pellorin's UI thread,
// and the report that comes back through a named shared-memory block.
//
// Some things cannot be read from outside the process here: a window's
// system menu (Wine keeps menus in the owning process; GetSystemMenu of
// another process's window returns NULL), handles that messages answer with
// (Wine fails WM_GETICON, WM_GETFONT and the like across processes), and
// IPM_GETADDRESS, which answers through a pointer (messages from WM_USER up
// are not marshalled, and under qemu-user ReadProcessMemory does not see the
// guest's memory). The probe asks them in the program's own thread.

#include <windows.h>

constexpr wchar_t PROBE_REQUEST_MESSAGE[] = L"PellorinE2E.ProbeRequest";
constexpr wchar_t PROBE_HOOK_EXPORT[] = L"PellorinProbeHook";

// wParam of the request; lParam is the window the request is about.
enum ProbeRequest : WPARAM {
    PROBE_SYSTEM_MENU = 1,   // the system menu of the dialog in lParam
    PROBE_IP_ADDRESS = 2,    // IPM_GETADDRESS of the IP control in lParam
    PROBE_CODE_PAGE = 3,     // the program's ANSI code page
    PROBE_SEND = 4,          // sendMessage/sendWParam to lParam, lParam 0
};

constexpr int PROBE_MAX_ITEMS = 32;
constexpr int PROBE_MAX_TEXT = 80;

struct ProbeMenuItem {
    UINT id;
    UINT type;
    wchar_t text[PROBE_MAX_TEXT];
};

struct ProbeReport {
    LONG answered;  // the request that was answered, 0 before
    LONG menuItemCount;  // -1: no system menu
    ProbeMenuItem menu[PROBE_MAX_ITEMS];
    LONG ipFilledFields;  // IPM_GETADDRESS's result
    DWORD ipAddress;
    UINT ansiCodePage;
    UINT sendMessage;  // set by the driver for PROBE_SEND
    WPARAM sendWParam;
    LRESULT sendResult;
};

// The report block's name: one per Pellorin process.
inline void ProbeReportName(DWORD processId, wchar_t (&name)[64])
{
    wsprintfW(name, L"PellorinE2E.ProbeReport.%lu", processId);
}
