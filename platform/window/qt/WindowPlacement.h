// Where windows open: dialogs and message boxes centred, frame included,
// over the window they belong to, or on the available area of their screen
// when they belong to none; a program's own window beside the window it
// belongs to; never with the title bar off the screen. Internal to the
// window layer and to the windows a program builds with Qt itself.
#pragma once

#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QRect>

class QWidget;

// The margins of a window's frame as the window manager draws it; none
// until the window manager has framed the window.
QMargins FrameMarginsOf(const QWidget* window);

// The top-left corner of a frame of frameSize centred on area; a frame
// larger than area starts at area's top-left corner, so its title bar shows.
QPoint CentredFramePosition(const QRect& area, const QSize& frameSize);

// Where a window whose frame has frameSize opens beside its owner's frame,
// and how wide: to its right when it fits on the available area, else to
// its left; else narrowed to the wider room beside the owner, down to
// minimumWidth; else as far right as the area allows, over the owner. Its
// top is level with the owner's, kept on the area.
QRect BesideGeometry(const QRect& ownerFrame, const QSize& frameSize, int minimumWidth, const QRect& available);

// Centres window each time it is shown, and once more when the window
// manager has framed it, as the frame is known only then.
class CCentredPlacement : public QObject {
public:
    explicit CCentredPlacement(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Centre();

    QWidget* m_window;
    QMargins m_marginsUsed;
    bool m_awaitingFrame = false;
};
