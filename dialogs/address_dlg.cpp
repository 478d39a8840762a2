#include "dialogs/address_dlg.h"

#include "dialogs/about_box.h"
#include "res/resource.h"
#include "settings/address_form.h"

CAddressDlg::CAddressDlg(CWnd* pParent)
    : CDialog(IDD_ADDRESS, pParent), m_nPort(DEFAULT_PORT), m_hAppIcon(AfxGetApp()->LoadIcon(IDI_APP))
{
}

BEGIN_MESSAGE_MAP(CAddressDlg, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
END_MESSAGE_MAP()

void CAddressDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SERVER_IP, m_ipCtrl);
    DDX_Text(pDX, IDC_SERVER_PORT, m_nPort);
    DDV_MinMaxInt(pDX, m_nPort, 0, PORT_MAX);
    DDX_Text(pDX, IDC_RESERVED_1002, m_strReserved1002);
    DDX_Text(pDX, IDC_RESERVED_1003, m_strReserved1003);
    DDX_Text(pDX, IDC_VIRTUAL_DIR, m_strVirtualDir);
    DDX_Text(pDX, IDC_SERVER_URL, m_strServerUrl);
}

BOOL CAddressDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    AddAboutMenuEntry();
    SetIcon(m_hAppIcon, TRUE);
    SetIcon(m_hAppIcon, FALSE);

    // "= AddressForm()" rather than a plain declaration: GCC then clears the
    // form in place instead of copying a 1 KiB image of it from the data.
    AddressForm form = AddressForm();
    form.port = m_nPort;
    LoadAddressForm(form);
    if (form.ipSet) m_ipCtrl.SetAddress(PackIpOctets(form.ip));
    m_nPort = form.port;
    m_strVirtualDir = form.virtualDir.text;
    m_strServerUrl = form.serverUrl.text;

    UpdateData(FALSE);
    return TRUE;  // the focus goes to the first control, the OK button
}

void CAddressDlg::AddAboutMenuEntry()
{
    CMenu sysMenu = GetSystemMenu(FALSE);
    if (!sysMenu.m_hMenu) return;
    CString text;
    text.LoadString(IDS_ABOUT_MENU);
    if (text.IsEmpty()) return;
    sysMenu.AppendMenu(MF_SEPARATOR);
    sysMenu.AppendMenu(MF_STRING, IDM_ABOUT, text);
}

void CAddressDlg::OnOK()
{
    if (!UpdateData(TRUE)) return;  // the user has been told; the focus is on the port

    AddressForm form = AddressForm();
    m_ipCtrl.GetAddress(form.ip.octet[0], form.ip.octet[1], form.ip.octet[2], form.ip.octet[3]);
    form.ipSet = true;
    form.port = m_nPort;
    // The URL is composed from ip and port alone; the text fields play no part.
    OutcomeMessage message = MessageForOutcome(SaveAddressForm(form));
    MessageBox(message.text, message.caption, message.type);
    // The dialog stays open after either outcome.
}

void CAddressDlg::OnSysCommand(UINT nID, LPARAM lParam)
{
    if ((nID & 0xFFF0) == IDM_ABOUT) {
        CAboutBox about;
        about.DoModal();
    } else {
        CDialog::OnSysCommand(nID, lParam);
    }
}

void CAddressDlg::OnPaint()
{
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    RECT rect;
    GetClientRect(&rect);
    int x = (rect.right - rect.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (rect.bottom - rect.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    dc.DrawIcon(x, y, m_hAppIcon);
}

HCURSOR CAddressDlg::OnQueryDragIcon() { return static_cast<HCURSOR>(m_hAppIcon); }
