#include "window_query.h"

#include <stdexcept>

#include "text.h"

namespace {

constexpr DWORD SEND_TIMEOUT_MS = 5000;

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, SEND_TIMEOUT_MS,
                             &result))
        throw std::runtime_error("window " + std::to_string(reinterpret_cast<UINT_PTR>(window)) +
                                 " did not answer message " + std::to_string(message));
    return static_cast<LRESULT>(result);
}

}  // namespace

std::wstring ClassOf(HWND window)
{
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return name;
}

std::wstring CaptionOf(HWND window)
{
    wchar_t caption[512] = {};
    GetWindowTextW(window, caption, 512);
    return caption;
}

std::wstring TextOf(HWND window)
{
    const LRESULT length = Send(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied));
    return text;
}

void SetText(HWND window, const std::wstring& text)
{
    if (!Send(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())))
        throw std::runtime_error("WM_SETTEXT was refused");
}

DWORD StyleOf(HWND window) { return static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)); }
DWORD ExStyleOf(HWND window) { return static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)); }

bool Responds(HWND window, DWORD timeoutMs)
{
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &result) != 0;
}

namespace {

struct WindowSearch {
    DWORD processId;
    bool includeHidden;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTopWindow(HWND window, LPARAM param)
{
    auto& search = *reinterpret_cast<WindowSearch*>(param);
    const DWORD owner = ProcessOf(window);
    const bool wanted = search.processId ? owner == search.processId : owner != GetCurrentProcessId();
    if (wanted && (search.includeHidden || IsWindowVisible(window))) search.found.push_back(window);
    return TRUE;
}

}  // namespace

std::vector<HWND> TopWindows(DWORD processId, bool includeHidden)
{
    WindowSearch search{processId, includeHidden, {}};
    EnumWindows(CollectTopWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindTopWindow(DWORD processId, const std::wstring& className, const std::wstring& caption)
{
    for (HWND window : TopWindows(processId))
        if (ClassOf(window) == className && CaptionOf(window) == caption) return window;
    return nullptr;
}

DWORD ProcessOf(HWND window)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId;
}

std::vector<HWND> Children(HWND parent)
{
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

namespace {

GUITHREADINFO ThreadInfo(HWND window)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info;
}

}  // namespace

HWND FocusOf(HWND anyWindowOfTheThread) { return ThreadInfo(anyWindowOfTheThread).hwndFocus; }
HWND ActiveOf(HWND anyWindowOfTheThread) { return ThreadInfo(anyWindowOfTheThread).hwndActive; }

Selection SelectionOf(HWND edit)
{
    // With no pointers EM_GETSEL answers in its result, which crosses
    // process boundaries intact.
    const DWORD packed = static_cast<DWORD>(Send(edit, EM_GETSEL, 0, 0));
    return {LOWORD(packed), HIWORD(packed)};
}

const char* Name(IconColour colour)
{
    switch (colour) {
    case IconColour::Yellow: return "yellow (exclamation/warning)";
    case IconColour::Blue: return "blue (information)";
    case IconColour::Red: return "red (error)";
    case IconColour::None: break;
    }
    return "none";
}

IconColour IconColourOf(HWND iconControl)
{
    RECT rect;
    GetWindowRect(iconControl, &rect);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return IconColour::None;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();

    int yellow = 0, blue = 0, red = 0;
    const auto* pixels = static_cast<const RGBQUAD*>(bits);
    for (int i = 0; bits && i < width * height; ++i) {
        const int r = pixels[i].rgbRed, g = pixels[i].rgbGreen, b = pixels[i].rgbBlue;
        if (r > 180 && g > 150 && b < 100) ++yellow;
        else if (b > 150 && r < 100) ++blue;
        else if (r > 150 && g < 80 && b < 80) ++red;
    }
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    constexpr int ENOUGH = 16;
    if (yellow >= ENOUGH && yellow >= blue && yellow >= red) return IconColour::Yellow;
    if (blue >= ENOUGH && blue >= red) return IconColour::Blue;
    if (red >= ENOUGH) return IconColour::Red;
    return IconColour::None;
}

MessageBoxView ReadMessageBox(HWND box)
{
    if (!Responds(box)) throw std::runtime_error("the message box does not answer");
    MessageBoxView view;
    view.window = box;
    view.owner = GetWindow(box, GW_OWNER);
    view.caption = Utf8(CaptionOf(box));
    HWND iconControl = nullptr;
    for (HWND child : Children(box)) {
        const std::wstring className = ClassOf(child);
        if (GetDlgCtrlID(child) == 0xFFFF) view.text = Utf8(TextOf(child));
        if (className == L"Static" && (StyleOf(child) & SS_TYPEMASK) == SS_ICON) iconControl = child;
        if (className == L"Button") view.buttons.push_back(GetDlgCtrlID(child));
    }
    // The icon is painted once the box has drawn itself; give it a moment.
    if (iconControl)
        WaitUntil([&] { return (view.icon = IconColourOf(iconControl)) != IconColour::None; }, 3000);
    return view;
}

void PressBoxButton(HWND box, int id)
{
    HWND button = GetDlgItem(box, id);
    if (!button) throw std::runtime_error("the box has no button " + std::to_string(id));
    PostMessageW(button, BM_CLICK, 0, 0);
    if (!WaitUntil([&] { return !IsWindow(box); }))
        throw std::runtime_error("the box did not close after its button " + std::to_string(id));
}
