#include "WindowWidget.h"

#include "WindowHandle.h"

QWidget* AfxGetWindowWidget(HWND hwnd)
{
    return WidgetOf(hwnd);
}
