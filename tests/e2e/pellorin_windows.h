#pragma once
// How the driver recognises Pellorin's windows: captions and control IDs.

#include <windows.h>

inline constexpr wchar_t MAIN_CAPTION[] = L"设置电子印章服务器地址";
inline constexpr wchar_t ABOUT_CAPTION[] = L"关于 Pellorin";

// Control IDs of the main dialog.
constexpr int IDC_SERVER_IP = 1000;
constexpr int IDC_SERVER_PORT = 1001;
constexpr int IDC_RESERVED_1002 = 1002;
constexpr int IDC_RESERVED_1003 = 1003;
constexpr int IDC_VIRTUAL_DIR = 1004;
constexpr int IDC_SERVER_URL = 1005;

// The system-menu command of the About entry.
constexpr UINT IDM_ABOUT = 0x0010;
