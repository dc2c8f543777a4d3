// The crossing view's picture: one step at rest, or the way to it from the
// step before, drawn to the widget's size. Screen readers find in it the
// lists of who is on each bank and in the boat (PictureAccessibility.h).
#pragma once

#include "SceneLayout.h"

#include <QWidget>

class CCrossingPicture : public QWidget {
public:
    explicit CCrossingPicture(QWidget* parent);

    // Shows a scene at rest; description says it in words. Screen readers
    // are told when either changes.
    void ShowScene(const CStepScene& scene, const QString& description);
    // Draws the way to the shown scene from another, progress 0 to 1; 1 is
    // the scene at rest.
    void ShowWayFrom(const CStepScene& from, double progress);

    const CStepScene& Scene() const { return m_scene; }
    const QString& Description() const { return m_description; }
    // How often a new description was announced to screen readers.
    int Announcements() const { return m_announcements; }

    // Where things are in the shown scene at rest, in the widget's
    // coordinates: a traveller's spot or seat, the bank or boat of a place
    // (PLACE_START, PLACE_ARRIVED, or either trip for the boat), and the
    // traveller whose figure holds a point (-1 for none).
    QRectF TravellerRect(int traveller) const;
    QRectF PlaceRect(int place) const;
    int TravellerAt(const QPointF& point) const;

    // The picture of the current state, for painting outside the widget.
    CPictureFrame CurrentFrame() const;

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void MeasureNames();

    CStepScene m_scene;
    CStepScene m_from;
    double m_progress = 1;
    QString m_description;
    double m_nameWidthPerPixel = 4;
    int m_announcements = 0;
};
