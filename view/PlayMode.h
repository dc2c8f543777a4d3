// The crossing view's game, 自分で解く: the player chooses as many
// travellers as the boat seats in the picture and crosses with them, one
// trip at a time,
// with undo, redo, a fresh start and a hint, its own buttons (渡る, 元に戻す,
// やり直す, 最初から, ヒント) and keys (Ctrl+Z; Ctrl+Shift+Z and Ctrl+Y). The
// game itself is the session's, which says what each input does; this
// shows it in the picture and the texts above it, and animates each trip.
#pragma once

#include "TravellerChoice.h"
#include "ViewMode.h"

class CCrossingPicture;
class QPushButton;
class QVariantAnimation;

class CPlayMode : public CViewMode, public CTravellerChoice {
public:
    // The game of the session's puzzle.
    CPlayMode(CCrossingPicture& picture, StepDisplay showStep, CCrossingSession& session);
    ~CPlayMode() override;
    CPlayMode(const CPlayMode&) = delete;
    CPlayMode& operator=(const CPlayMode&) = delete;

    CCrossingSession::Shown Kind() const override { return CCrossingSession::Shown::GAME; }
    QWidget* Controls() const override { return m_controls; }
    // The picture lets the player choose while the game shows.
    void Enter() override;
    void Leave() override;
    // Ends the animation of a trip, showing the game at rest.
    void Stop() override;

    // The session started another game: shows it from its start.
    void FollowGame();

private:
    TravellerSet Chosen() const override { return m_session.Game().Chosen(); }
    TravellerSet Choosable() const override { return m_session.Choosable(); }
    void Toggle(int traveller) override { m_session.Toggle(traveller); }
    void Confirm() override { Cross(); }

    void Cross();
    void Undo();
    void Redo();
    void Restart();
    void Hint();
    bool IsAnimating() const;
    bool IsShown() const { return m_session.Showing() == Kind(); }
    // Shows the game at rest, its sentence announced, and fills the
    // controls; an accepted trip is drawn on its way there.
    void ShowGame(bool tripMade = false);

    CCrossingPicture& m_picture;
    StepDisplay m_showStep;
    CCrossingSession& m_session;
    QWidget* m_controls;
    QPushButton* m_cross = nullptr;
    QPushButton* m_undo = nullptr;
    QPushButton* m_redo = nullptr;
    QVariantAnimation* m_trip = nullptr;
};
