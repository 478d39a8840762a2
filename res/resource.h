#pragma once
// Resource identifiers, shared by the resource scripts and the code.

#define IDD_ABOUT 100
#define IDS_ABOUT_MENU 101
#define IDD_ADDRESS 102
#define IDI_APP 128

#define IDC_SERVER_IP 1000
#define IDC_SERVER_PORT 1001
#define IDC_RESERVED_1002 1002
#define IDC_RESERVED_1003 1003
#define IDC_VIRTUAL_DIR 1004
#define IDC_SERVER_URL 1005

// The About entry of the main dialog's system menu. System commands keep
// their lowest four bits for the system; the identity is in the rest.
#define IDM_ABOUT 0x0010

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
