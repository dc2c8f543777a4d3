#include "CrossingViewHost.h"

#include "CrossingViewWindow.h"
#include "engine/PathTrips.h"
#include "platform/window/qt/WindowWidget.h"
#include "play/CrossingSteps.h"
#include "puzzle/PuzzleLibrary.h"

#include <QPointer>

#include <optional>

struct CCrossingViewHost::CImpl {
    bool IsOpen() const { return m_window != nullptr && m_window->isVisible(); }
    // Made when the view is first opened, not with the dialog: until then
    // the dialog's path and step wait here.
    CCrossingSession& Session()
    {
        if (m_session == nullptr) {
            m_session = std::make_unique<CCrossingSession>(ShippedPuzzleFolder());
            if (m_waitingSteps) {
                m_session->FollowDialog(*m_waitingSteps);
                m_waitingSteps.reset();
            }
            if (m_waitingStep)
                m_session->SetBuiltInStep(*m_waitingStep);
        }
        return *m_session;
    }
    // Tells the dialog the step shown. The table's selection that follows
    // comes back as ShowStep, an echo, not the user's choice.
    void TellStepShown()
    {
        m_echoing = true;
        m_stepShown(Session().BuiltInStep());
        m_echoing = false;
    }

    StepShown m_stepShown;
    // What the view shows, kept while it is closed.
    std::unique_ptr<CCrossingSession> m_session;
    std::optional<CrossingSteps> m_waitingSteps;
    std::optional<int> m_waitingStep;
    bool m_echoing = false;
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
    if (m_impl->m_session == nullptr) {
        m_impl->m_waitingSteps = StepsOfPath(path);
        return;
    }
    m_impl->Session().FollowDialog(StepsOfPath(path));
    if (m_impl->m_window != nullptr)
        m_impl->m_window->FollowTrack(true);
    // The table lost its selection with its rows.
    if (m_impl->IsOpen())
        m_impl->TellStepShown();
}

void CCrossingViewHost::ShowStep(int step)
{
    if (m_impl->m_session == nullptr) {
        m_impl->m_waitingStep = step;
        return;
    }
    const bool moved = m_impl->Session().SetBuiltInStep(step);
    if (m_impl->m_window == nullptr)
        return;
    if (!m_impl->m_echoing && !m_impl->m_window->ShowsBuiltIn())
        m_impl->m_window->ShowBuiltInReplay();
    else if (moved)
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
            new CCrossingViewWindow(ownerWidget, ownerWidget->windowTitle(), ownerWidget->font(), m_impl->Session(),
                                    [this](int shown) { m_impl->m_stepShown(shown); });
    }
    // A row asked for is a step of the best path: the replay shows it, even
    // when the view was in the game or on another puzzle.
    if (step != KEEP_STEP) {
        m_impl->Session().SetBuiltInStep(step);
        m_impl->m_window->ShowBuiltInReplay();
    }
    m_impl->m_window->FollowTrack(false);
    m_impl->m_window->Open();
    m_impl->TellStepShown();
}

BOOL CCrossingViewHost::OpenAlone(UINT look, const CFoundPuzzle& found)
{
    delete m_impl->m_window.data();
    // A session of its own, whose built-in answer is its first plan.
    m_impl->m_session.reset();
    m_impl->m_window = new CCrossingViewWindow(nullptr, AfxGetTemplateCaption(look), AfxGetTemplateFont(look),
                                               m_impl->Session(), [](int) {});
    m_impl->m_window->setAttribute(Qt::WA_DeleteOnClose);
    if (!m_impl->m_window->PlayPuzzle(found)) {
        delete m_impl->m_window.data();
        return FALSE;
    }
    m_impl->m_window->Open();
    return TRUE;
}
