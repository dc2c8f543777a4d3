#include "ProgressCtrl.h"

#include "qt/WindowHandle.h"

#include <QProgressBar>

#include <algorithm>

namespace {

QProgressBar* BarOf(HWND hwnd)
{
    return qobject_cast<QProgressBar*>(WidgetOf(hwnd));
}

} // namespace

void CProgressCtrl::SetRange(short lower, short upper)
{
    QProgressBar* bar = BarOf(m_hWnd);
    if (bar == nullptr)
        return;
    const int position = bar->value();
    bar->setRange(lower, upper);
    // The toolkit forgets a position outside the new range; a progress bar
    // keeps it at the nearer end.
    bar->setValue(std::clamp(position, std::min<int>(lower, upper), std::max<int>(lower, upper)));
}

int CProgressCtrl::SetPos(int position)
{
    QProgressBar* bar = BarOf(m_hWnd);
    if (bar == nullptr)
        return 0;
    const int previous = bar->value();
    bar->setValue(std::clamp(position, bar->minimum(), bar->maximum()));
    return previous;
}
