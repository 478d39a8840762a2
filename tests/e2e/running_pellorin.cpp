#include "running_pellorin.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>

#include "text.h"
#include "user_input.h"
#include "wait.h"

RunningPellorin::RunningPellorin()
{
    const bool appeared = WaitUntil([&] {
        dialog_ = FindTopWindow(process_.Id(), L"#32770", MAIN_CAPTION);
        return dialog_ != nullptr || process_.HasExited();
    });
    if (!appeared || !dialog_)
        throw std::runtime_error(process_.HasExited()
                                     ? "Pellorin ended without showing its dialog, exit code " +
                                           std::to_string(process_.ExitCode())
                                     : "Pellorin's dialog did not appear");
    // The dialog is visible while it initialises; this returns once
    // OnInitDialog is done and the modal loop runs.
    if (!Responds(dialog_)) throw std::runtime_error("Pellorin's dialog does not answer");
    BringToFront(dialog_);
}

HWND RunningPellorin::Item(int id) const
{
    HWND item = GetDlgItem(dialog_, id);
    if (!item) throw std::runtime_error("the dialog has no control " + std::to_string(id));
    return item;
}

std::string RunningPellorin::ItemText(int id) const { return Utf8(TextOf(Item(id))); }

void RunningPellorin::SetItemText(int id, const std::wstring& text) { SetText(Item(id), text); }

std::vector<HWND> RunningPellorin::IpFields() const
{
    std::vector<HWND> fields = Children(Item(IDC_SERVER_IP));
    if (fields.size() != 4) throw std::runtime_error("the IP control does not have four fields");
    std::sort(fields.begin(), fields.end(), [](HWND a, HWND b) {
        RECT ra, rb;
        GetWindowRect(a, &ra);
        GetWindowRect(b, &rb);
        return ra.left < rb.left;
    });
    return fields;
}

std::string RunningPellorin::IpFieldTexts() const
{
    const std::vector<HWND> fields = IpFields();
    std::string joined;
    bool anyText = false;
    for (size_t i = 0; i < fields.size(); ++i) {
        const std::string text = Utf8(TextOf(fields[i]));
        anyText = anyText || !text.empty();
        joined += (i ? "." : "") + text;
    }
    return anyText ? joined : std::string();
}

void RunningPellorin::SetIpField(int index, const std::wstring& text)
{
    SetText(IpFields().at(index), text);
}

bool RunningPellorin::IpIsBlank() const
{
    DWORD_PTR blank = 0;
    if (!SendMessageTimeoutW(Item(IDC_SERVER_IP), IPM_ISBLANK, 0, 0, SMTO_ABORTIFHUNG, 5000, &blank))
        throw std::runtime_error("the IP control does not answer IPM_ISBLANK");
    return blank != 0;
}

void RunningPellorin::SetIpAddress(DWORD packed)
{
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutW(Item(IDC_SERVER_IP), IPM_SETADDRESS, 0, packed, SMTO_ABORTIFHUNG, 5000, &ignored))
        throw std::runtime_error("the IP control does not answer IPM_SETADDRESS");
}

void RunningPellorin::ClearIp()
{
    DWORD_PTR ignored = 0;
    if (!SendMessageTimeoutW(Item(IDC_SERVER_IP), IPM_CLEARADDRESS, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored))
        throw std::runtime_error("the IP control does not answer IPM_CLEARADDRESS");
}

InProcessProbe& RunningPellorin::Probe()
{
    if (!probe_) probe_ = std::make_unique<InProcessProbe>(dialog_);
    return *probe_;
}

IpReading RunningPellorin::IpAddress() { return Probe().IpAddress(Item(IDC_SERVER_IP)); }

void RunningPellorin::Click(int id) { PostMessageW(Item(id), BM_CLICK, 0, 0); }

MessageBoxView RunningPellorin::WaitForOwnedBox()
{
    HWND box = nullptr;
    const bool found = WaitUntil([&] {
        for (HWND window : TopWindows(process_.Id()))
            if (GetWindow(window, GW_OWNER) == dialog_ && ClassOf(window) == L"#32770") box = window;
        return box != nullptr || process_.HasExited();
    });
    if (!found || !box)
        throw std::runtime_error(process_.HasExited() ? "Pellorin ended instead of showing a box"
                                                      : "no box owned by the dialog appeared");
    return ReadMessageBox(box);
}

bool RunningPellorin::HasNoOwnedWindow() const
{
    for (HWND window : TopWindows(process_.Id()))
        if (GetWindow(window, GW_OWNER) == dialog_) return false;
    return true;
}

bool RunningPellorin::WaitForFocusOn(int id)
{
    HWND item = Item(id);
    return WaitUntil([&] { return FocusOf(dialog_) == item; }, 5000);
}

bool RunningPellorin::Ends() { return process_.HasExited(EXIT_TIMEOUT_MS); }

std::string ServiceUrl(const std::string& address, long port)
{
    return "http://" + address + ":" + std::to_string(port) + "/Seal/general/interface/";
}
