#pragma once
// The About box, opened from the main dialog's system menu. It shows the
// program's icon, name, version and notice, and changes nothing.

#include "framework/framework.h"

class CAboutBox : public CDialog {
public:
    CAboutBox();

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    DECLARE_MESSAGE_MAP()
};
