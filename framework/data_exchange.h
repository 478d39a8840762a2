#pragma once
// Data exchange between a dialog's controls and its members.
//
// DoDataExchange calls the DDX_ and DDV_ functions below in order, in one of
// two directions: showing (members to controls) or saving (controls to
// members, with validation). A failed validation tells the user, puts the
// focus on the control at fault and stops the exchange: every later call of
// the same exchange does nothing, and UpdateData returns FALSE.

#include <windows.h>

#include <cstdint>

#include "framework/cstring.h"

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
    {
    }

    const BOOL m_bSaveAndValidate;  // TRUE: controls to members
    CWnd* const m_pDlgWnd;

    // The control nIDC of the dialog, remembered as the one a later
    // validation failure refers to.
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);

    // Ends the exchange as failed: the focus goes to the last prepared
    // control, an edit with its whole text selected.
    void Fail();
    bool Failed() const { return m_bFailed; }

private:
    HWND m_hWndLastControl = nullptr;
    bool m_bEditLastControl = false;
    bool m_bFailed = false;
};

// Attaches rControl to the dialog's control nIDC, the first time only.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

// An integer written with "%ld"; read back by ParseIntegerText
// (integer_text.h), which rejects with the framework's string IDP_PARSE_INT.
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);

// The control's whole text.
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);

// When saving: value must lie within minVal..maxVal, else the framework's
// string IDP_PARSE_INT_RANGE with the bounds.
void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
