#include "system_menu.h"

#include <stdexcept>

#include "pellorin_windows.h"
#include "user_input.h"
#include "wait.h"
#include "window_query.h"

void OpenSystemMenu(HWND dialog)
{
    BringToFront(dialog);
    PressWithAlt(VK_SPACE);
    // A menu pops up as a top-level window of class "#32768".
    if (!WaitUntil([&] { return FindTopWindow(ProcessOf(dialog), L"#32768", L"") != nullptr; }))
        throw std::runtime_error("Alt+Space did not open the system menu");
}

HWND OpenAboutBox(HWND dialog)
{
    OpenSystemMenu(dialog);
    PressKeys({VK_UP, VK_RETURN});
    HWND about = nullptr;
    if (!WaitUntil([&] { return (about = FindTopWindow(ProcessOf(dialog), L"#32770", ABOUT_CAPTION)) != nullptr; }))
        throw std::runtime_error("choosing the last system-menu entry did not open the About box");
    if (!Responds(about)) throw std::runtime_error("the About box does not answer");
    return about;
}
