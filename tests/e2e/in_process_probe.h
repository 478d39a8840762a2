#pragma once
// The driver's side of the probe (see probe_protocol.h): hooks the probe
// into the thread of a Pellorin dialog and asks it questions.

#include <windows.h>

#include <string>
#include <vector>

#include "probe_protocol.h"

struct MenuEntry {
    UINT id;
    UINT type;
    std::string text;  // UTF-8
};

struct IpReading {
    int filledFields;  // IPM_GETADDRESS's result: fields that are not blank
    DWORD address;     // as IPM_GETADDRESS packs it, first field in the top byte
};

class InProcessProbe {
public:
    explicit InProcessProbe(HWND dialog);
    ~InProcessProbe();
    InProcessProbe(const InProcessProbe&) = delete;
    InProcessProbe& operator=(const InProcessProbe&) = delete;

    std::vector<MenuEntry> SystemMenu();
    IpReading IpAddress(HWND ipControl);
    UINT AnsiCodePage();
    // SendMessageW(target, message, wParam, 0) from within the program, for
    // messages whose answer is a handle.
    LRESULT Send(HWND target, UINT message, WPARAM wParam);

private:
    const ProbeReport& Ask(ProbeRequest request, HWND target, UINT message = 0, WPARAM wParam = 0);
    void Release();

    HWND dialog_;
    HMODULE module_ = nullptr;
    HHOOK hook_ = nullptr;
    HANDLE mapping_ = nullptr;
    ProbeReport* report_ = nullptr;
};
