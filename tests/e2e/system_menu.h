#pragma once
// The main dialog's system menu, worked with the keyboard.

#include <windows.h>

// Alt+Space on the dialog (brought to the front first); returns once the
// menu is up, or throws.
void OpenSystemMenu(HWND dialog);

// Alt+Space, then Up (from the top the selection wraps round to the last
// entry, the About entry), then Enter. Wine puts an entry "关于 Wine(&A)"
// of its own before ours, so the access key A would reach that one first.
// Returns the About box once it answers, or throws.
HWND OpenAboutBox(HWND dialog);
