#pragma once
// The main dialog: the seal server's IPv4 address and port, loaded from the
// settings store when it opens and saved on OK. OK never closes it; Cancel,
// Escape and the close box do.

#include "framework/framework.h"

class CAddressDlg : public CDialog {
public:
    explicit CAddressDlg(CWnd* pParent = nullptr);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();

    DECLARE_MESSAGE_MAP()

private:
    void AddAboutMenuEntry();

    CIPAddressCtrl m_ipCtrl;
    int m_nPort;
    CString m_strReserved1002;  // hidden fields, carried through data exchange
    CString m_strReserved1003;
    CString m_strVirtualDir;
    CString m_strServerUrl;
    HICON m_hAppIcon;  // shared icon from the resources: not destroyed
};
