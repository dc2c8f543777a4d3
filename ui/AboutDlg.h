// The About box: the program's icon, name and version.
#pragma once

#include "platform/window/Dialog.h"
#include "res/resource.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();

    enum { IDD = IDD_ABOUTBOX };

protected:
    void DoDataExchange(CDataExchange* exchange) override;
};
