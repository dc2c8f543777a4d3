// The crossing view's picture: one step at rest, or the way to it from the
// step before, drawn to the widget's size. Screen readers find in it the
// lists of who is on each bank and in the boat (PictureAccessibility.h),
// told of its changes through its observer.
#pragma once

#include "FigureWalk.h"
#include "PictureObserver.h"
#include "SceneLayout.h"
#include "ScenePainter.h"
#include "TravellerFigures.h"
#include "puzzle/Puzzle.h"

#include <QWidget>

#include <memory>

class CTravellerChoice;

class CCrossingPicture : public QWidget {
public:
    // Draws the travellers, boat and banks of puzzle.
    CCrossingPicture(QWidget* parent, std::shared_ptr<const CPuzzle> puzzle);
    ~CCrossingPicture() override;

    // Who is told of the picture's changes; the picture keeps it.
    void SetObserver(std::unique_ptr<CPictureObserver> observer);

    // The puzzle whose travellers, boat and banks the picture draws from
    // now on. Scenes shown after are of its travellers.
    void SetPuzzle(std::shared_ptr<const CPuzzle> puzzle);
    const CPuzzle& Puzzle() const { return *m_puzzle; }
    // What it draws of each traveller besides the name.
    const CTravellerFigures& Figures() const { return m_figures; }

    // Shows a scene at rest; description says it in words. Screen readers
    // are told when either changes, or always with announce.
    void ShowScene(const CStepScene& scene, const QString& description, bool announce = false);
    // Draws the way to the shown scene from another, progress 0 to 1; 1 is
    // the scene at rest.
    void ShowWayFrom(const CStepScene& from, double progress);
    // Draws a whole trip to the shown scene, progress 0 to 1: from the scene
    // before it, boarding into aboard, then landing.
    void ShowTripFrom(const CStepScene& from, const CStepScene& aboard, double progress);

    // In the game, who the player may choose (null in the replay): a click
    // on a figure or Space toggles a traveller, the arrow keys move the
    // focus ring among the choosable ones as they stand, up and down between
    // rows and left and right along one, Home and End to the first and last
    // of them, and Enter confirms. The choice must outlive the picture or be
    // reset first.
    void SetChoice(CTravellerChoice* choice);
    CTravellerChoice* Choice() const { return m_choice; }
    // Toggles a traveller as a click does, and tells screen readers.
    void ToggleTraveller(int traveller);
    // The traveller in the focus ring, -1 for none.
    int FocusedTraveller() const;
    // The travellers a refusal concerns and those a hint names, marked in
    // the picture; the chosen ones are marked as well.
    void SetMarks(TravellerSet concerned, TravellerSet hinted);

    const CStepScene& Scene() const { return m_scene; }
    const QString& Description() const { return m_description; }

    // Where things are in the shown scene at rest, in the widget's
    // coordinates: a traveller's spot or seat, and the bank or boat of a
    // place (PLACE_START, PLACE_ARRIVED, or either trip for the boat).
    QRectF TravellerRect(int traveller) const;
    QRectF PlaceRect(int place) const;

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    // The traveller whose figure holds a point, -1 for none.
    int TravellerAt(const QPointF& point) const;
    // The picture of the current state, and the marks it shows at rest.
    CPictureFrame CurrentFrame() const;
    CTravellerMarks Marks() const;
    // Works out the figures and the shape anew, for the puzzle and face.
    void DressFigures();
    // Moves the focus ring among the choosable travellers: an arrow's way
    // by their places, or to the first or last of them.
    void MoveFocus(Arrow arrow);
    void FocusEnd(bool last);
    void FocusTraveller(int traveller);

    CStepScene m_scene;
    CStepScene m_from;
    CStepScene m_aboard;
    bool m_wholeTrip = false; // from m_from through m_aboard
    double m_progress = 1;
    CTravellerChoice* m_choice = nullptr;
    int m_focused = -1;
    TravellerSet m_concerned = 0;
    TravellerSet m_hinted = 0;
    QString m_description;
    std::shared_ptr<const CPuzzle> m_puzzle;
    CTravellerFigures m_figures;
    CSceneShape m_shape;
    std::unique_ptr<CPictureObserver> m_observer;
};
