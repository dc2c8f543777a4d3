// A dialog built from a template of the resource module: run modally with
// DoModal or created modeless with Create. Its controls exchange their values
// with the dialog's members through DoDataExchange.
#pragma once

#include "platform/window/Wnd.h"

#include <cstdint>

class CDataExchange;

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // Builds the window, runs OnInitDialog and then the dialog until
    // EndDialog; the window is gone when this returns. Returns EndDialog's
    // result, or -1 when the window could not be built.
    virtual std::intptr_t DoModal();
    // Builds and shows the window without waiting for it.
    BOOL Create(UINT templateId, CWnd* parent = nullptr);
    // Ends the dialog with result: DoModal returns it; a modeless dialog is
    // hidden.
    void EndDialog(int result);

    // Controls to members (TRUE, with validation) or members to controls.
    // FALSE when a value could not be read.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    // After the controls exist, before the dialog shows. The default fills
    // the controls from the members; returning TRUE puts the focus on the
    // first tab stop.
    virtual BOOL OnInitDialog();

protected:
    virtual void DoDataExchange(CDataExchange* exchange);
    // The OK command: reads the controls and ends the dialog with IDOK.
    virtual void OnOK();
    // The cancel command (Esc, the close box): ends the dialog with IDCANCEL.
    virtual void OnCancel();

    BOOL OnCommand(UINT id, UINT notifyCode) override;
    void OnClose() override;

private:
    BOOL BuildWindow(UINT templateId);
    void InitDialog();

    UINT m_templateId;
    CWnd* m_parent;
    int m_modalResult = -1;
    bool m_ended = false;
};
