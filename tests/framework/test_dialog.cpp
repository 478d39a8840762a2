#include "tests/framework/test_dialog.h"

BEGIN_MESSAGE_MAP(CTestDlg, CDialog)
    ON_COMMAND(IDC_TEST_BUTTON, CTestDlg::OnButton)
    ON_WM_SYSCOMMAND()
    ON_WM_QUERYDRAGICON()
END_MESSAGE_MAP()
