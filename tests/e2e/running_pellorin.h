#pragma once
// Pellorin.exe started, its dialog up, initialised and in front: what every
// case begins with. Reads and works the dialog as a user would, through
// window messages and, where nothing else will do, real input.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "in_process_probe.h"
#include "pellorin_process.h"
#include "pellorin_windows.h"
#include "window_query.h"

class RunningPellorin {
public:
    RunningPellorin();

    PellorinProcess& Process() { return process_; }
    HWND Dialog() const { return dialog_; }
    HWND Item(int id) const;
    std::string ItemText(int id) const;  // UTF-8
    void SetItemText(int id, const std::wstring& text);

    // The IP control's four fields, left to right, as its edits show them.
    std::string IpFieldTexts() const;  // "10.1.2.3"; "" when all are blank
    void SetIpField(int index, const std::wstring& text);
    bool IpIsBlank() const;
    void SetIpAddress(DWORD packed);  // IPM_SETADDRESS
    void ClearIp();                   // IPM_CLEARADDRESS
    IpReading IpAddress();  // IPM_GETADDRESS, asked inside the program
    InProcessProbe& Probe();  // hooked in on first use

    // A mouse click on a button, as BM_CLICK performs it. Posted: OK opens
    // a modal box, and a sent click would only come back once it closed.
    void Click(int id);
    // The next window owned by the dialog, read as a message box.
    MessageBoxView WaitForOwnedBox();
    // No window owned by the dialog is up.
    bool HasNoOwnedWindow() const;

    // Waits until the dialog's thread has the focus on control `id`.
    bool WaitForFocusOn(int id);
    // The process ended within the exit timeout.
    bool Ends();

private:
    std::vector<HWND> IpFields() const;

    PellorinProcess process_;
    HWND dialog_ = nullptr;
    std::unique_ptr<InProcessProbe> probe_;
};

// "http://a.b.c.d:port/Seal/general/interface/", as the program writes it.
std::string ServiceUrl(const std::string& address, long port);
