/* The least program that shows the address dialog: raw Win32, no framework,
 * no C++. It is the yardstick Pellorin.exe is measured against, so it does
 * what the user sees and nothing more: fill the controls from the stored URL,
 * store a new one on OK, end on Cancel. */
#include <windows.h>
#include <commctrl.h>
#include <stdio.h>

#include "res/resource.h"

static const char kSettingsKey[] = "Software\\Kestrune\\Talvo\\REG";
static const char kSettingsValue[] = "HttpAddr";

static void LoadAddress(HWND dlg)
{
    char url[256] = "";
    DWORD size = sizeof url - 1; /* the last byte stays a terminator */
    HKEY key;
    unsigned a, b, c, d, port = 8089;

    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS) {
        if (RegQueryValueExA(key, kSettingsValue, NULL, NULL, (BYTE*)url, &size) != ERROR_SUCCESS)
            url[0] = '\0';
        RegCloseKey(key);
    }
    if (sscanf(url, "http://%u.%u.%u.%u:%u", &a, &b, &c, &d, &port) >= 4 &&
        (a | b | c | d) <= 255)
        SendDlgItemMessageW(dlg, IDC_SERVER_IP, IPM_SETADDRESS, 0, MAKEIPADDRESS(a, b, c, d));
    SetDlgItemInt(dlg, IDC_SERVER_PORT, port, FALSE);
}

static void SaveAddress(HWND dlg)
{
    char url[256];
    DWORD ip = 0;
    BOOL valid = FALSE;
    UINT port = GetDlgItemInt(dlg, IDC_SERVER_PORT, &valid, FALSE);
    HKEY key;
    LONG status;
    int length;

    if (!valid || port > 999999) {
        MessageBoxW(dlg, L"请键入一个整数。", NULL, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    SendDlgItemMessageW(dlg, IDC_SERVER_IP, IPM_GETADDRESS, 0, (LPARAM)&ip);
    length = wsprintfA(url, "http://%u.%u.%u.%u:%u/Seal/general/interface/",
                       (unsigned)FIRST_IPADDRESS(ip), (unsigned)SECOND_IPADDRESS(ip),
                       (unsigned)THIRD_IPADDRESS(ip), (unsigned)FOURTH_IPADDRESS(ip), port);

    status = RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, NULL, REG_OPTION_NON_VOLATILE,
                             KEY_ALL_ACCESS, NULL, &key, NULL);
    if (status == ERROR_SUCCESS) {
        status = RegSetValueExA(key, kSettingsValue, 0, REG_SZ, (const BYTE*)url, (DWORD)length + 1);
        RegCloseKey(key);
    }
    if (status == ERROR_SUCCESS)
        MessageBoxW(dlg, L"设置成功", L"提示", MB_OK | MB_ICONINFORMATION);
    else
        MessageBoxW(dlg, L"设置失败，可能您没有权限，请联系管理员", L"警告", MB_OK | MB_ICONWARNING);
}

static INT_PTR CALLBACK AddressDialogProc(HWND dlg, UINT message, WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    switch (message) {
    case WM_INITDIALOG:
        LoadAddress(dlg);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            SaveAddress(dlg);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            EndDialog(dlg, IDCANCEL);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show)
{
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_INTERNET_CLASSES};
    (void)previous;
    (void)commandLine;
    (void)show;
    InitCommonControlsEx(&classes);
    DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_ADDRESS), NULL, AddressDialogProc, 0);
    return 0;
}
