#include "ReplayMode.h"

#include "CrossingPicture.h"
#include "ViewControls.h"
#include "ViewTexts.h"

#include <QBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyle>
#include <QVariantAnimation>

#include <cmath>

namespace {

QString Text(const char* text)
{
    return QString::fromUtf8(text);
}

} // namespace

CReplayMode::CReplayMode(CCrossingPicture& picture, StepDisplay showStep, CCrossingSession& session,
                         std::function<void(int)> stepChosen)
    : m_picture(picture), m_showStep(std::move(showStep)), m_session(session), m_stepChosen(std::move(stepChosen)),
      m_controls(new QWidget)
{
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(AddButton(FIRST_BUTTON, QStyle::SP_MediaSkipBackward, [this] { GoTo(0); }));
    buttons->addWidget(
        AddButton(PREVIOUS_BUTTON, QStyle::SP_MediaSeekBackward, [this] { GoTo(m_session.Answer().Step() - 1); }));
    m_play = AddButton(PLAY_BUTTON, QStyle::SP_MediaPlay, nullptr);
    m_play->setText(Text(PLAY_TEXT));
    m_play->setCheckable(true);
    // Its checked state, not its clicks: a screen reader's toggle action
    // checks the button without clicking it.
    QObject::connect(m_play, &QPushButton::toggled, m_controls, [this](bool checked) {
        if (checked != IsPlaying())
            TogglePlay();
    });
    buttons->addWidget(m_play);
    buttons->addWidget(
        AddButton(NEXT_BUTTON, QStyle::SP_MediaSeekForward, [this] { GoTo(m_session.Answer().Step() + 1); }));
    buttons->addWidget(
        AddButton(LAST_BUTTON, QStyle::SP_MediaSkipForward, [this] { GoTo(m_session.Answer().LastStep()); }));
    buttons->addStretch();

    // Made after the buttons, so that Tab reaches it after them: it is
    // mostly used with the mouse.
    m_slider = new QSlider(Qt::Horizontal, m_controls);
    m_slider->setAccessibleName(Text(STEP_SLIDER));
    m_slider->setFocusPolicy(Qt::StrongFocus);
    // Page Up and Page Down move by a round trip.
    m_slider->setPageStep(2 * STEPS_PER_TRIP);
    QObject::connect(m_slider, &QSlider::valueChanged, m_controls, [this](int value) { GoTo(value); });

    auto* layout = new QVBoxLayout(m_controls);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_slider);
    layout->addLayout(buttons);

    // The keys work wherever the focus is in the view, while these controls
    // show.
    AddViewKey(m_controls, QKeySequence(Qt::Key_Home), [this] { GoTo(0); });
    AddViewKey(m_controls, QKeySequence(Qt::Key_Left), [this] { GoTo(m_session.Answer().Step() - 1); });
    AddViewKey(m_controls, QKeySequence(Qt::Key_Right), [this] { GoTo(m_session.Answer().Step() + 1); });
    AddViewKey(m_controls, QKeySequence(Qt::Key_End), [this] { GoTo(m_session.Answer().LastStep()); });
    // Space plays and stops, but presses a button that has the focus.
    AddViewKey(m_controls, QKeySequence(Qt::Key_Space), [this] { TogglePlay(); });

    m_playing = new QVariantAnimation(m_controls);
    m_playing->setEasingCurve(QEasingCurve::Linear);
    QObject::connect(m_playing, &QVariantAnimation::valueChanged, m_controls,
                     [this](const QVariant& value) { ShowPlayed(value.toDouble()); });
    QObject::connect(m_playing, &QVariantAnimation::finished, m_controls, [this] {
        ShowStep();
        ShowPlayState();
    });

    ShowSlider();
}

CReplayMode::~CReplayMode()
{
    m_playing->stop();
}

QPushButton* CReplayMode::AddButton(const char* name, int icon, std::function<void()> act)
{
    QPushButton* button = MakeViewButton(name, m_controls, std::move(act));
    button->setIcon(m_controls->style()->standardIcon(static_cast<QStyle::StandardPixmap>(icon)));
    return button;
}

void CReplayMode::Enter()
{
    FollowTrack(false);
}

void CReplayMode::Leave()
{
    Stop();
}

void CReplayMode::FollowTrack(bool newPath)
{
    const bool playing = IsPlaying();
    m_playing->stop();
    ShowStep();
    if (newPath && playing && m_session.Answer().Step() < m_session.Answer().LastStep())
        Play();
    ShowPlayState();
}

void CReplayMode::GoTo(int step)
{
    Stop();
    if (m_session.GoToStep(step)) {
        ShowStep();
        m_stepChosen(m_session.Answer().Step());
    } else {
        // The slider may have been moved to where the step already is.
        ShowStep();
    }
}

void CReplayMode::TogglePlay()
{
    if (IsPlaying())
        Stop();
    else
        Play();
}

bool CReplayMode::IsPlaying() const
{
    return m_playing->state() == QAbstractAnimation::Running;
}

void CReplayMode::Play()
{
    if (m_session.StartPlaying()) {
        ShowStep();
        m_stepChosen(0);
    }
    const int from = m_session.Answer().Step();
    const int to = m_session.Answer().LastStep();
    if (from < to) {
        // One animation over every step left, so that there is no pause
        // between steps.
        m_playing->setStartValue(static_cast<double>(from));
        m_playing->setEndValue(static_cast<double>(to));
        m_playing->setDuration((to - from) * PLAYED_STEP_MS);
        m_playing->start();
    }
    ShowPlayState();
}

void CReplayMode::Stop()
{
    if (IsPlaying()) {
        m_playing->stop();
        ShowStep();
    }
    ShowPlayState();
}

void CReplayMode::ShowPlayState()
{
    const bool playing = IsPlaying();
    m_play->setChecked(playing);
    m_play->setText(Text(playing ? STOP_TEXT : PLAY_TEXT));
    m_play->setIcon(m_controls->style()->standardIcon(playing ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
}

void CReplayMode::ShowStep()
{
    if (IsShown())
        m_showStep(false);
    ShowSlider();
}

void CReplayMode::ShowSlider()
{
    const QSignalBlocker quiet(m_slider);
    m_slider->setRange(0, m_session.Answer().LastStep());
    m_slider->setValue(m_session.Answer().Step());
}

// The step being reached is the one shown, its caption and sentence
// included; the picture is on its way there from the step before.
void CReplayMode::ShowPlayed(double position)
{
    const int reaching = static_cast<int>(std::ceil(position - 1e-9));
    if (m_session.GoToStep(reaching)) {
        ShowStep();
        m_stepChosen(m_session.Answer().Step());
    }
    const CReplayTrack& answer = m_session.Answer();
    if (answer.Step() > 0 && IsShown())
        m_picture.ShowWayFrom(answer.Scene(answer.Step() - 1), position - (answer.Step() - 1));
}
