// The crossing view: a window of its own beside the main window, showing
// each step of the best path as a picture, with the step's caption and
// sentence above it and a legend below. The controls under it belong to
// the mode the view is in; today that is the replay of the best path.
#pragma once

#include <QWidget>

#include <functional>
#include <memory>

class CCrossingPicture;
class CReplayMode;
class CReplayTrack;
class QLabel;
class QStackedWidget;
struct CStepScene;

class CCrossingViewWindow : public QWidget {
public:
    // owner: the main window, which the view belongs to and closes with.
    CCrossingViewWindow(QWidget* owner, CReplayTrack& track, std::function<void(int step)> stepChosen);
    ~CCrossingViewWindow() override;

    // Shows the window beside its owner, or raises it when it shows already.
    void Open();

    // What the modes show: a step's caption, sentence and scene at rest.
    void ShowStep(const QString& caption, const QString& sentence, const CStepScene& scene);
    CCrossingPicture& Picture() const { return *m_picture; }
    CReplayMode& Replay() const { return *m_replay; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* BuildLegend();

    QWidget* m_owner;
    QLabel* m_caption;
    QLabel* m_sentence;
    CCrossingPicture* m_picture;
    QStackedWidget* m_modes;
    std::unique_ptr<CReplayMode> m_replay;
};

// Where a window whose frame has frameSize opens beside its owner's frame,
// and how wide: to its right when it fits on the available area, else to
// its left; else narrowed to the wider room beside the owner, down to
// minimumWidth; else as far right as the area allows, over the owner. Its
// top is level with the owner's, kept on the area.
QRect BesideGeometry(const QRect& ownerFrame, const QSize& frameSize, int minimumWidth, const QRect& available);
