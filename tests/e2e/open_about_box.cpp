// Opens the About box of a running Pellorin from its system menu, with the
// keystrokes a user would type. scripts/run uses it for the README's picture.
#include <windows.h>

#include <cstdio>
#include <exception>

#include "pellorin_windows.h"
#include "system_menu.h"
#include "wait.h"
#include "window_query.h"

int main()
{
    try {
        HWND dialog = nullptr;
        if (!WaitUntil([&] { return (dialog = FindWindowW(L"#32770", MAIN_CAPTION)) != nullptr; }, 60000) ||
            !Responds(dialog)) {
            std::fprintf(stderr, "open_about_box: no Pellorin dialog\n");
            return 1;
        }
        OpenAboutBox(dialog);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "open_about_box: %s\n", e.what());
        return 1;
    }
}
