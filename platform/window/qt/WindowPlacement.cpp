#include "WindowPlacement.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

// Asked of the window system each time: the widget's own copy of the frame
// is brought up to date only while the window shows.
QMargins FrameMarginsOf(const QWidget* window)
{
    const QWindow* handle = window->windowHandle();
    return handle != nullptr ? handle->frameMargins() : QMargins();
}

QPoint CentredFramePosition(const QRect& area, const QSize& frameSize)
{
    const int x = area.x() + (area.width() - frameSize.width()) / 2;
    const int y = area.y() + (area.height() - frameSize.height()) / 2;
    return QPoint(std::max(x, area.x()), std::max(y, area.y()));
}

QRect BesideGeometry(const QRect& ownerFrame, const QSize& frameSize, int minimumWidth, const QRect& available)
{
    const int rightRoom = available.right() - ownerFrame.right();
    const int leftRoom = ownerFrame.left() - available.left();
    int width = frameSize.width();
    int x = 0;
    if (width <= rightRoom) {
        x = ownerFrame.right() + 1;
    } else if (width <= leftRoom) {
        x = ownerFrame.left() - width;
    } else if (std::max(rightRoom, leftRoom) >= minimumWidth) {
        // Narrower, but beside the owner rather than over it.
        width = std::max(rightRoom, leftRoom);
        x = rightRoom >= leftRoom ? ownerFrame.right() + 1 : ownerFrame.left() - width;
    } else {
        width = std::min(width, available.width());
        x = available.right() + 1 - width;
    }
    x = std::max(x, available.left());
    const int y = std::clamp(ownerFrame.top(), available.top(),
                             std::max(available.top(), available.bottom() + 1 - frameSize.height()));
    return QRect(QPoint(x, y), QSize(width, frameSize.height()));
}

CCentredPlacement::CCentredPlacement(QWidget* window) : QObject(window), m_window(window)
{
    window->installEventFilter(this);
}

bool CCentredPlacement::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window) {
        if (event->type() == QEvent::Show) {
            Centre();
            m_awaitingFrame = m_marginsUsed.isNull();
        } else if (m_awaitingFrame && !FrameMarginsOf(m_window).isNull()) {
            // The frame's size arrives with no event of its own; the first
            // event that finds it known (often the first paint) places the
            // window again, once the event has been handled.
            m_awaitingFrame = false;
            if (FrameMarginsOf(m_window) != m_marginsUsed)
                QMetaObject::invokeMethod(this, &CCentredPlacement::Centre, Qt::QueuedConnection);
        }
    }
    return false;
}

void CCentredPlacement::Centre()
{
    const QWidget* owner = m_window->parentWidget() != nullptr ? m_window->parentWidget()->window() : nullptr;
    QMargins margins = FrameMarginsOf(m_window);
    // Before the window manager frames a window, its owner's frame is the
    // best guess of its own.
    if (margins.isNull() && owner != nullptr)
        margins = FrameMarginsOf(owner);
    m_marginsUsed = margins;

    const QScreen* screen = owner != nullptr ? owner->screen() : m_window->screen();
    const QRect available = screen != nullptr ? screen->availableGeometry() : QRect();
    const QSize frameSize = m_window->size().grownBy(margins);
    QPoint position = CentredFramePosition(owner != nullptr ? owner->frameGeometry() : available, frameSize);
    if (owner != nullptr && !available.isEmpty()) {
        // Over the owner, but inside the screen.
        position.setX(std::clamp(position.x(), available.left(),
                                 std::max(available.left(), available.right() + 1 - frameSize.width())));
        position.setY(std::clamp(position.y(), available.top(),
                                 std::max(available.top(), available.bottom() + 1 - frameSize.height())));
    }
    // A window's position is its frame's.
    m_window->move(position);
}
