#include "user_input.h"

#include <stdexcept>

#include "wait.h"
#include "window_query.h"

namespace {

bool IsExtended(WORD virtualKey)
{
    switch (virtualKey) {
    case VK_UP: case VK_DOWN: case VK_LEFT: case VK_RIGHT:
    case VK_HOME: case VK_END: case VK_PRIOR: case VK_NEXT:
    case VK_INSERT: case VK_DELETE:
        return true;
    default:
        return false;
    }
}

void SendKey(WORD virtualKey, bool up)
{
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (IsExtended(virtualKey) ? KEYEVENTF_EXTENDEDKEY : 0);
    if (SendInput(1, &input, sizeof input) != 1)
        throw std::runtime_error("SendInput refused key " + std::to_string(virtualKey));
}

void SendMouse(DWORD flags)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    if (SendInput(1, &input, sizeof input) != 1) throw std::runtime_error("SendInput refused a click");
}

}  // namespace

void BringToFront(HWND window)
{
    SetForegroundWindow(window);
    if (!WaitUntil([&] { return GetForegroundWindow() == window && ActiveOf(window) == window; }))
        throw std::runtime_error("cannot bring the window to the front");
}

void PressKey(WORD virtualKey)
{
    SendKey(virtualKey, false);
    SendKey(virtualKey, true);
}

void PressKeys(std::initializer_list<WORD> virtualKeys)
{
    for (WORD key : virtualKeys) PressKey(key);
}

void PressWithAlt(WORD virtualKey)
{
    SendKey(VK_MENU, false);
    SendKey(virtualKey, false);
    SendKey(virtualKey, true);
    SendKey(VK_MENU, true);
}

void TypeText(const std::wstring& text)
{
    for (wchar_t c : text) {
        const SHORT scan = VkKeyScanW(c);
        if (scan == -1 || HIBYTE(scan) != 0)
            throw std::runtime_error("TypeText takes unshifted characters only");
        PressKey(LOBYTE(scan));
    }
}

POINT CloseBoxPoint(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    const int y = rect.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
    int first = -1, last = -1;
    for (int x = rect.right - 1; x > rect.left; --x) {
        DWORD_PTR hit = 0;
        SendMessageTimeoutW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG, 5000, &hit);
        if (hit == HTCLOSE) {
            if (last < 0) last = x;
            first = x;
        } else if (last >= 0) {
            break;
        }
    }
    if (last < 0) throw std::runtime_error("the window has no close box on its caption");
    return {(first + last) / 2, y};
}

void ClickAt(POINT screenPoint)
{
    SetCursorPos(screenPoint.x, screenPoint.y);
    POINT now{};
    if (!WaitUntil([&] { return GetCursorPos(&now) && now.x == screenPoint.x && now.y == screenPoint.y; }, 3000))
        throw std::runtime_error("the mouse did not move to the close box");
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(MOUSEEVENTF_LEFTUP);
}
