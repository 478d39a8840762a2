#pragma once
// CDialog: a modal dialog made from a dialog template of this module.
//
// DoModal creates the dialog modeless and runs its own message loop until
// EndDialog, so that the loop can turn F1 into the help command. One static
// dialog procedure finds the object (bound at WM_INITDIALOG) and hands the
// message to its message map.

#include <windows.h>

#include "framework/data_exchange.h"
#include "framework/wnd.h"

class CDialog : public CWnd {
public:
    // pParentWnd: the owner; null gives the application's main window, if
    // there is one, as for any modal dialog of the program.
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // The value given to EndDialog, or -1 when the dialog could not be made.
    INT_PTR DoModal();
    void EndDialog(int nResult);

    // Moves data between the controls and the members (TRUE: controls to
    // members, with validation). FALSE when a value failed validation; the
    // user has then been told and the focus is on the control at fault.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    // The initial exchange into the controls. TRUE: focus to the first control.
    virtual BOOL OnInitDialog();
    // IDOK: validate, then end with IDOK.
    virtual void OnOK();
    // IDCANCEL (Cancel, Escape, the close box): end with IDCANCEL.
    virtual void OnCancel();

    DECLARE_MESSAGE_MAP()

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool PreTranslateMessage(const MSG& msg);

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    INT_PTR m_nModalResult = -1;
    bool m_bEnded = false;
};
