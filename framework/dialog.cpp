#include "framework/dialog.h"

#include <commctrl.h>

#include "framework/win_app.h"

namespace {

// The IP address control lives in the common-controls library, which must
// register its classes before a template can name them.
void RegisterCommonControls()
{
    static bool registered = false;
    if (registered) return;
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_INTERNET_CLASSES};
    registered = InitCommonControlsEx(&icc) != FALSE;
}

// Messages whose result the dialog procedure returns itself instead of
// through DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT message)
{
    switch (message) {
    case WM_CTLCOLORMSGBOX: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX: case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG: case WM_CTLCOLORSCROLLBAR: case WM_CTLCOLORSTATIC: case WM_COMPAREITEM:
    case WM_VKEYTOITEM: case WM_CHARTOITEM: case WM_QUERYDRAGICON: case WM_INITDIALOG:
        return true;
    default:
        return false;
    }
}

}  // namespace

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, CDialog::OnOK)
    ON_COMMAND(IDCANCEL, CDialog::OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd)
{
}

INT_PTR CDialog::DoModal()
{
    RegisterCommonControls();

    HWND owner = nullptr;
    if (m_pParentWnd) {
        owner = m_pParentWnd->m_hWnd;
    } else if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd && app->m_pMainWnd != this) {
        owner = app->m_pMainWnd->m_hWnd;
    }

    // The owner is disabled before the dialog exists, as the dialog manager
    // does for its own modal dialogs: the dialog then starts out as the only
    // enabled window of the two.
    const bool disableOwner = owner && IsWindowEnabled(owner);
    if (disableOwner) EnableWindow(owner, FALSE);

    m_nModalResult = -1;
    m_bEnded = false;
    HWND hWnd = CreateDialogParamW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(m_nIDTemplate), owner,
                                   DialogProc, reinterpret_cast<LPARAM>(this));
    if (!hWnd) {
        if (disableOwner) EnableWindow(owner, TRUE);
        return -1;
    }
    // A template without WS_VISIBLE is still shown, as DialogBox would.
    if (!m_bEnded && !IsWindowVisible(hWnd)) ShowWindow(hWnd, SW_SHOWNORMAL);

    MSG msg;
    while (!m_bEnded) {
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {  // WM_QUIT: leave it for an outer loop
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got == -1) break;
        if (PreTranslateMessage(msg) || IsDialogMessageW(hWnd, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }

    // The owner first, so that activation returns to it.
    if (disableOwner) EnableWindow(owner, TRUE);
    DestroyWindow(hWnd);
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult)
{
    m_nModalResult = nResult;
    m_bEnded = true;
    // A message sent from elsewhere runs inside GetMessage, which would then
    // go on waiting; a posted message makes it return and see m_bEnded.
    if (m_hWnd) PostMessageW(m_hWnd, WM_NULL, 0, 0);
}

bool CDialog::PreTranslateMessage(const MSG& msg)
{
    // F1 without Shift, Ctrl or Alt asks for help, wherever the focus is in
    // this dialog.
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_F1) return false;
    if (msg.hwnd != m_hWnd && !IsChild(m_hWnd, msg.hwnd)) return false;
    if (GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0)
        return false;
    SendMessage(WM_COMMAND, ID_HELP, 0);
    return true;
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return !dx.Failed();
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<CDialog*>(lParam);
        SetWindowLongPtrW(hWnd, DWLP_USER, lParam);
        dialog->m_hWnd = hWnd;
        return dialog->OnInitDialog();
    }

    // Messages before WM_INITDIALOG find no object and get the default.
    auto* dialog = reinterpret_cast<CDialog*>(GetWindowLongPtrW(hWnd, DWLP_USER));
    if (!dialog) return FALSE;

    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hWnd, DWLP_USER, 0);
        dialog->m_hWnd = nullptr;
        CWinApp* app = AfxGetApp();
        if (app && app->m_pMainWnd == dialog) app->m_pMainWnd = nullptr;
        return FALSE;
    }

    LRESULT result = 0;
    if (!dialog->OnWndMsg(message, wParam, lParam, result)) return FALSE;
    if (ReturnsResultDirectly(message)) return static_cast<INT_PTR>(result);
    SetWindowLongPtrW(hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}
