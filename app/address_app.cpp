#include "app/address_app.h"

#include "dialogs/address_dlg.h"

BEGIN_MESSAGE_MAP(CAddressApp, CWinApp)
    ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()

// The one application object; the framework's entry code runs it.
CAddressApp theApp;

BOOL CAddressApp::InitInstance()
{
    CAddressDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();  // OK, Cancel or failure: the program ends either way
    // FALSE: no message loop of our own; the process ends now.
    return FALSE;
}
