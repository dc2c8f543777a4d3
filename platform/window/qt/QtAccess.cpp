#include "QtAccess.h"

#include "WindowHandle.h"

QWidget* AfxGetWidget(const CWnd& wnd)
{
    return WidgetOf(wnd.GetSafeHwnd());
}

QWidget* AfxGetDlgItemWidget(const CWnd& dialog, int id)
{
    const CWnd* control = dialog.GetDlgItem(id);
    return control != nullptr ? AfxGetWidget(*control) : nullptr;
}
