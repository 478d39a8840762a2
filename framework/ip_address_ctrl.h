#pragma once
// CIPAddressCtrl: the common-controls IP address control ("SysIPAddress32").

#include <windows.h>
#include <commctrl.h>

#include "framework/wnd.h"

class CIPAddressCtrl : public CWnd {
public:
    // The four fields, first field first; a blank field reads as 0. Returns
    // how many fields are not blank.
    int GetAddress(BYTE& nField0, BYTE& nField1, BYTE& nField2, BYTE& nField3) const
    {
        DWORD address = 0;
        int filled = static_cast<int>(SendMessage(IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&address)));
        nField0 = static_cast<BYTE>(FIRST_IPADDRESS(address));
        nField1 = static_cast<BYTE>(SECOND_IPADDRESS(address));
        nField2 = static_cast<BYTE>(THIRD_IPADDRESS(address));
        nField3 = static_cast<BYTE>(FOURTH_IPADDRESS(address));
        return filled;
    }
    // address: packed as MAKEIPADDRESS packs it, first field in the top byte.
    void SetAddress(DWORD address) { SendMessage(IPM_SETADDRESS, 0, static_cast<LPARAM>(address)); }
};
