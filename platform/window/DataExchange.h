// Dialog data exchange: moves values between a dialog's members and its
// controls, in either direction, one DDX_ call per control.
#pragma once

#include "platform/window/String.h"
#include "platform/window/WinTypes.h"

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}

    // A value could not be read: the control takes the focus and the rest of
    // the exchange is skipped.
    void Fail(int id);
    bool HasFailed() const { return m_failed; }

    CWnd* const m_pDlgWnd;
    const BOOL m_bSaveAndValidate; // TRUE: controls to members

private:
    bool m_failed = false;
};

// Attaches control (a CListCtrl, a CProgressCtrl...) to control id, once.
void DDX_Control(CDataExchange* exchange, int id, CWnd& control);
// The text of an edit as a string, or as an int ("%d").
void DDX_Text(CDataExchange* exchange, int id, CString& value);
void DDX_Text(CDataExchange* exchange, int id, int& value);
// A check box: 1 ticked, 0 not.
void DDX_Check(CDataExchange* exchange, int id, int& value);
