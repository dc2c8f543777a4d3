// Where dialogs and message boxes open: centred, frame included, over the
// window they belong to, or on the available area of their screen when they
// belong to none; never with the title bar off the screen. Internal to the
// window layer.
#pragma once

#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QRect>

class QWidget;

// The top-left corner of a frame of frameSize centred on area; a frame
// larger than area starts at area's top-left corner, so its title bar shows.
QPoint CentredFramePosition(const QRect& area, const QSize& frameSize);

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
