#include "framework/data_exchange.h"

#include "framework/framework_strings.h"
#include "framework/integer_text.h"
#include "framework/wide_text.h"
#include "framework/win_app.h"
#include "framework/wnd.h"

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    m_hWndLastControl = m_pDlgWnd->GetDlgItem(nIDC);
    m_bEditLastControl = false;
    return m_hWndLastControl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    PrepareCtrl(nIDC);
    m_bEditLastControl = true;
    return m_hWndLastControl;
}

void CDataExchange::Fail()
{
    m_bFailed = true;
    if (!m_bSaveAndValidate || !m_hWndLastControl) return;
    SetFocus(m_hWndLastControl);
    if (m_bEditLastControl) SendMessageW(m_hWndLastControl, EM_SETSEL, 0, -1);
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (pDX->Failed() || rControl.m_hWnd) return;
    rControl.m_hWnd = pDX->PrepareCtrl(nIDC);
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    if (pDX->Failed()) return;
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (!pDX->m_bSaveAndValidate) {
        char text[16];
        wsprintfA(text, "%ld", static_cast<long>(value));
        SetWindowTextString(hWndCtrl, text);
        return;
    }
    std::int32_t parsed;
    if (!ParseIntegerText(GetWindowTextString(hWndCtrl), parsed)) {
        AfxMessageBox(IDP_PARSE_INT, MB_OK | MB_ICONEXCLAMATION);
        pDX->Fail();
        return;
    }
    value = parsed;
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    if (pDX->Failed()) return;
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = GetWindowTextString(hWndCtrl);
    else
        SetWindowTextString(hWndCtrl, value);
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    if (pDX->Failed() || !pDX->m_bSaveAndValidate) return;
    if (value >= minVal && value <= maxVal) return;
    char low[16], high[16];
    wsprintfA(low, "%ld", static_cast<long>(minVal));
    wsprintfA(high, "%ld", static_cast<long>(maxVal));
    AfxMessageBox(AfxFormatString2(IDP_PARSE_INT_RANGE, low, high), MB_OK | MB_ICONEXCLAMATION);
    pDX->Fail();
}
