// The crossing view's game, 自分で解く: the player chooses one or two
// travellers in the picture and crosses with them, one trip at a time,
// with undo, redo, a fresh start and a hint, its own buttons (渡る, 元に戻す,
// やり直す, 最初から, ヒント) and keys (Ctrl+Z; Ctrl+Shift+Z and Ctrl+Y). The
// game itself is a CCrossingGame; this shows it in the view and animates
// each trip.
#pragma once

#include "CrossingGame.h"
#include "TravellerChoice.h"

class CCrossingViewWindow;
class QPushButton;
class QVariantAnimation;
class QWidget;

class CPlayMode : public CTravellerChoice {
public:
    explicit CPlayMode(CCrossingViewWindow& view);
    ~CPlayMode();
    CPlayMode(const CPlayMode&) = delete;
    CPlayMode& operator=(const CPlayMode&) = delete;

    // The controls, for the view to lay out; the keys work while they show.
    QWidget* Controls() const { return m_controls; }
    const CCrossingGame& Game() const { return m_game; }

    // The view switched to the game, or away from it: the picture lets the
    // player choose, or no longer.
    void Enter();
    void Leave();

    void Cross();
    void Undo();
    void Redo();
    void Restart();
    void Hint();
    bool IsAnimating() const;
    // Ends the animation of a trip, showing the game at rest.
    void StopTrip();

    TravellerSet Chosen() const override { return m_game.Chosen(); }
    TravellerSet Choosable() const override;
    void Toggle(int traveller) override { m_game.Toggle(traveller); }
    void Confirm() override { Cross(); }

private:
    // Shows the game at rest, its sentence announced, and fills the
    // controls; an accepted trip is drawn on its way there.
    void ShowGame(bool tripMade = false);

    CCrossingViewWindow& m_view;
    CCrossingGame m_game;
    QWidget* m_controls;
    QPushButton* m_cross = nullptr;
    QPushButton* m_undo = nullptr;
    QPushButton* m_redo = nullptr;
    QVariantAnimation* m_trip = nullptr;
};
