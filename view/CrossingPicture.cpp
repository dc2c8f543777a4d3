#include "CrossingPicture.h"

#include "PictureAccessibility.h"
#include "ScenePainter.h"
#include "display/DisplayText.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include <algorithm>

CCrossingPicture::CCrossingPicture(QWidget* parent) : QWidget(parent)
{
    InstallPictureAccessibility();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    MeasureNames();
}

void CCrossingPicture::ShowScene(const CStepScene& scene, const QString& description)
{
    const bool moved = scene.m_atStart != m_scene.m_atStart || scene.m_atFar != m_scene.m_atFar ||
                       scene.m_aboard != m_scene.m_aboard || scene.m_boat != m_scene.m_boat;
    const bool described = description != m_description;
    m_scene = scene;
    m_description = description;
    m_progress = 1;
    update();
    if (described)
        ++m_announcements;
    AnnouncePictureChange(this, moved, described);
}

void CCrossingPicture::ShowWayFrom(const CStepScene& from, double progress)
{
    m_from = from;
    m_progress = std::clamp(progress, 0.0, 1.0);
    update();
}

CPictureFrame CCrossingPicture::CurrentFrame() const
{
    if (m_progress >= 1)
        return FrameAtRest(size(), m_nameWidthPerPixel, m_scene);
    return FrameBetween(size(), m_nameWidthPerPixel, m_from, m_scene, m_progress);
}

QRectF CCrossingPicture::TravellerRect(int traveller) const
{
    const CPictureFrame frame = FrameAtRest(size(), m_nameWidthPerPixel, m_scene);
    for (const CFigureSpot& figure : frame.m_figures) {
        if (figure.m_traveller == traveller)
            return figure.m_rect;
    }
    return QRectF();
}

QRectF CCrossingPicture::PlaceRect(int place) const
{
    const CSceneLayout layout = LayoutScene(size(), m_nameWidthPerPixel, BoatPositionOf(m_scene));
    switch (place) {
    case PLACE_START:
        return layout.m_startBank;
    case PLACE_ARRIVED:
        return layout.m_farBank;
    default:
        return layout.m_boat;
    }
}

int CCrossingPicture::TravellerAt(const QPointF& point) const
{
    for (const CFigureSpot& figure : FrameAtRest(size(), m_nameWidthPerPixel, m_scene).m_figures) {
        if (figure.m_rect.contains(point))
            return figure.m_traveller;
    }
    return -1;
}

// Below this the names would be too small to read.
QSize CCrossingPicture::minimumSizeHint() const
{
    return QSize(520, 260);
}

QSize CCrossingPicture::sizeHint() const
{
    return QSize(680, 360);
}

void CCrossingPicture::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    PaintFrame(painter, CurrentFrame(), SceneColoursOf(palette()), font());
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(1, 1, -1, -1);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
    }
}

void CCrossingPicture::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        MeasureNames();
    QWidget::changeEvent(event);
}

void CCrossingPicture::MeasureNames()
{
    QFont probe = font();
    constexpr int PROBE_PIXELS = 100;
    probe.setPixelSize(PROBE_PIXELS);
    const QFontMetricsF metrics(probe);
    double widest = 0;
    for (int traveller = 0; traveller < TRAVELLER_COUNT; ++traveller)
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromUtf8(TravellerName(traveller))));
    m_nameWidthPerPixel = widest / PROBE_PIXELS;
}
