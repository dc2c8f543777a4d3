#include "WindowWidget.h"

#include "DialogFont.h"
#include "WindowHandle.h"
#include "platform/window/Resources.h"

QWidget* AfxGetWindowWidget(HWND hwnd)
{
    return WidgetOf(hwnd);
}

QString AfxGetTemplateCaption(UINT id)
{
    const CDialogTemplate* dialogTemplate = AfxFindDialogTemplate(id);
    return dialogTemplate != nullptr ? QString::fromUtf8(dialogTemplate->m_caption) : QString();
}

QFont AfxGetTemplateFont(UINT id)
{
    const CDialogTemplate* dialogTemplate = AfxFindDialogTemplate(id);
    return dialogTemplate != nullptr ? DialogFont(dialogTemplate->m_typeface, dialogTemplate->m_pointSize) : QFont();
}
