#include "CrossingViewHost.h"

#include "CrossingViewWindow.h"
#include "platform/window/qt/WindowWidget.h"
#include "play/ReplayTrack.h"
#include "puzzle/BuiltInPuzzle.h"

#include <QPointer>

struct CCrossingViewHost::CImpl {
    bool IsOpen() const { return m_window != nullptr && m_window->isVisible(); }

    StepShown m_stepShown;
    CReplayTrack m_track{std::make_shared<CPuzzle>(BuiltInPuzzle())};
    // Made on first opening; it goes with its owner.
    QPointer<CCrossingViewWindow> m_window;
};

CCrossingViewHost::CCrossingViewHost(StepShown stepShown) : m_impl(std::make_unique<CImpl>())
{
    m_impl->m_stepShown = std::move(stepShown);
}

CCrossingViewHost::~CCrossingViewHost()
{
    delete m_impl->m_window.data();
}

void CCrossingViewHost::ShowPath(const CCrossingPath& path)
{
    m_impl->m_track.SetSteps(StepsOfPath(path));
    if (m_impl->m_window != nullptr)
        m_impl->m_window->FollowTrack(true);
    // The table lost its selection with its rows.
    if (m_impl->IsOpen())
        m_impl->m_stepShown(m_impl->m_track.Step());
}

void CCrossingViewHost::ShowStep(int step)
{
    if (m_impl->m_track.SetStep(step) && m_impl->m_window != nullptr)
        m_impl->m_window->FollowTrack(false);
}

void CCrossingViewHost::Open(HWND owner, int step)
{
    QWidget* ownerWidget = AfxGetWindowWidget(owner);
    if (ownerWidget == nullptr)
        return;
    ownerWidget = ownerWidget->window();
    if (m_impl->m_window != nullptr && m_impl->m_window->parentWidget() != ownerWidget)
        delete m_impl->m_window.data();
    if (m_impl->m_window == nullptr) {
        m_impl->m_window =
            new CCrossingViewWindow(ownerWidget, m_impl->m_track, [this](int shown) { m_impl->m_stepShown(shown); });
    }
    // A row asked for is a step of the best path: the replay shows it, even
    // when the view was in the game.
    if (step != KEEP_STEP) {
        m_impl->m_track.SetStep(step);
        m_impl->m_window->ShowReplay();
    }
    m_impl->m_window->FollowTrack(false);
    m_impl->m_window->Open();
    m_impl->m_stepShown(m_impl->m_track.Step());
}
