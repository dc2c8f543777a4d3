#include "PlayMode.h"

#include "CrossingPicture.h"
#include "ViewControls.h"
#include "ViewTexts.h"

#include <QBoxLayout>
#include <QPushButton>
#include <QVariantAnimation>

CPlayMode::CPlayMode(CCrossingPicture& picture, StepDisplay showStep, CCrossingSession& session)
    : m_picture(picture), m_showStep(std::move(showStep)), m_session(session), m_controls(new QWidget)
{
    auto* buttons = new QHBoxLayout(m_controls);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->addStretch();
    m_cross = MakeViewButton(CROSS_BUTTON, m_controls, [this] { Cross(); });
    buttons->addWidget(m_cross);
    m_undo = MakeViewButton(UNDO_BUTTON, m_controls, [this] { Undo(); });
    buttons->addWidget(m_undo);
    m_redo = MakeViewButton(REDO_BUTTON, m_controls, [this] { Redo(); });
    buttons->addWidget(m_redo);
    buttons->addWidget(MakeViewButton(RESTART_BUTTON, m_controls, [this] { Restart(); }));
    buttons->addWidget(MakeViewButton(HINT_BUTTON, m_controls, [this] { Hint(); }));
    buttons->addStretch();

    // The keys work wherever the focus is in the view, while the game shows.
    AddViewKey(m_controls, QKeySequence(Qt::CTRL | Qt::Key_Z), [this] { Undo(); });
    AddViewKey(m_controls, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), [this] { Redo(); });
    AddViewKey(m_controls, QKeySequence(Qt::CTRL | Qt::Key_Y), [this] { Redo(); });

    m_trip = new QVariantAnimation(m_controls);
    m_trip->setEasingCurve(QEasingCurve::Linear);
    m_trip->setStartValue(0.0);
    m_trip->setEndValue(1.0);
    m_trip->setDuration(2 * PLAYED_STEP_MS);
    QObject::connect(m_trip, &QVariantAnimation::valueChanged, m_controls, [this](const QVariant& value) {
        m_picture.ShowTripFrom(m_session.Game().SceneBeforeTrip(), m_session.Game().SceneAboard(), value.toDouble());
    });
}

CPlayMode::~CPlayMode()
{
    m_trip->stop();
}

void CPlayMode::Enter()
{
    m_picture.SetChoice(this);
    ShowGame();
}

void CPlayMode::Leave()
{
    Stop();
    m_picture.SetChoice(nullptr);
}

void CPlayMode::FollowGame()
{
    m_trip->stop();
    if (IsShown())
        Enter();
}

void CPlayMode::Stop()
{
    if (IsAnimating()) {
        m_trip->stop();
        m_picture.ShowWayFrom(m_session.Game().Scene(), 1);
    }
}

void CPlayMode::Cross()
{
    m_trip->stop();
    ShowGame(m_session.Cross());
}

void CPlayMode::Undo()
{
    m_trip->stop();
    m_session.Undo();
    ShowGame();
}

void CPlayMode::Redo()
{
    m_trip->stop();
    m_session.Redo();
    ShowGame();
}

void CPlayMode::Restart()
{
    m_trip->stop();
    m_session.Restart();
    ShowGame();
}

void CPlayMode::Hint()
{
    m_trip->stop();
    m_session.Hint();
    ShowGame();
}

bool CPlayMode::IsAnimating() const
{
    return m_trip->state() == QAbstractAnimation::Running;
}

void CPlayMode::ShowGame(bool tripMade)
{
    // Every action of the player says something, so the sentence is
    // announced even when it says the same again.
    const CCrossingGame& game = m_session.Game();
    m_showStep(true);
    m_picture.SetMarks(game.Concerned(), game.Hinted());
    if (tripMade) {
        m_picture.ShowTripFrom(game.SceneBeforeTrip(), game.SceneAboard(), 0);
        m_trip->start();
    }
    m_cross->setEnabled(!game.IsFinished());
    m_undo->setEnabled(game.CanUndo());
    m_redo->setEnabled(game.CanRedo());
}
