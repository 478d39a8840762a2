#pragma once
// A dialog on the IDD_TEST template whose behaviour each test sets: what it
// does once initialised, and what it exchanges. It keeps a log of the
// handlers that ran.

#include <functional>
#include <string>
#include <vector>

#include "framework/framework.h"
#include "tests/framework/test_resource.h"

class CTestDlg : public CDialog {
public:
    explicit CTestDlg(CWnd* pParent = nullptr) : CDialog(IDD_TEST, pParent) {}

    std::function<void(CTestDlg&)> onInit;  // after the base initialisation
    bool m_bBaseOnOK = false;               // OK: the framework's (ends) or ours (logs)
    std::vector<std::string> log;

    int m_nPort = 8089;
    CString m_strText;

    using CDialog::UpdateData;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_TEST_PORT, m_nPort);
        DDV_MinMaxInt(pDX, m_nPort, 0, 999999);
        DDX_Text(pDX, IDC_TEST_TEXT, m_strText);
    }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        if (onInit) onInit(*this);
        return TRUE;
    }
    void OnOK() override
    {
        log.push_back("OnOK");
        if (m_bBaseOnOK) CDialog::OnOK();
    }

    void OnButton() { log.push_back("OnButton"); }
    void OnSysCommand(UINT nID, LPARAM lParam)
    {
        log.push_back("OnSysCommand " + std::to_string(nID));
        if (nID != 0x0010) CDialog::OnSysCommand(nID, lParam);
    }
    HCURSOR OnQueryDragIcon() { return LoadCursorA(nullptr, IDC_CROSS); }

    DECLARE_MESSAGE_MAP()
};
