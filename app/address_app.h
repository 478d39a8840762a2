#pragma once
// The application: it runs the address dialog as its only window and ends
// when the dialog closes.

#include "framework/framework.h"

class CAddressApp : public CWinApp {
public:
    CAddressApp() = default;

    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};
