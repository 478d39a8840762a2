#pragma once
// CMenu: a borrowed menu handle (not destroyed here).

#include <windows.h>

class CMenu {
public:
    explicit CMenu(HMENU hMenu = nullptr) : m_hMenu(hMenu) {}

    // text: an 8-bit text, converted as every text for a window is.
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, const char* text = nullptr);

    HMENU m_hMenu;
};
