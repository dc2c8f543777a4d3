#include "CrossingPicture.h"

#include "FigureWalk.h"
#include "ScenePainter.h"
#include "TravellerChoice.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QToolTip>

#include <algorithm>
#include <bit>

CCrossingPicture::CCrossingPicture(QWidget* parent, std::shared_ptr<const CPuzzle> puzzle)
    : QWidget(parent), m_puzzle(std::move(puzzle))
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    DressFigures();
}

void CCrossingPicture::SetPuzzle(std::shared_ptr<const CPuzzle> puzzle)
{
    m_puzzle = std::move(puzzle);
    m_focused = -1;
    m_concerned = 0;
    m_hinted = 0;
    DressFigures();
    update();
}

CCrossingPicture::~CCrossingPicture() = default;

void CCrossingPicture::SetObserver(std::unique_ptr<CPictureObserver> observer)
{
    m_observer = std::move(observer);
}

void CCrossingPicture::ShowScene(const CStepScene& scene, const QString& description, bool announce)
{
    const bool moved = scene.m_atStart != m_scene.m_atStart || scene.m_atFar != m_scene.m_atFar ||
                       scene.m_aboard != m_scene.m_aboard || scene.m_boat != m_scene.m_boat;
    const bool described = announce || description != m_description;
    m_scene = scene;
    m_description = description;
    m_progress = 1;
    update();
    if (m_observer != nullptr)
        m_observer->SceneShown(moved, described);
}

void CCrossingPicture::ShowWayFrom(const CStepScene& from, double progress)
{
    m_from = from;
    m_wholeTrip = false;
    m_progress = std::clamp(progress, 0.0, 1.0);
    update();
}

void CCrossingPicture::ShowTripFrom(const CStepScene& from, const CStepScene& aboard, double progress)
{
    ShowWayFrom(from, progress);
    m_aboard = aboard;
    m_wholeTrip = true;
}

CPictureFrame CCrossingPicture::CurrentFrame() const
{
    if (m_progress >= 1)
        return FrameAtRest(size(), m_shape, m_scene);
    if (!m_wholeTrip)
        return FrameBetween(size(), m_shape, m_from, m_scene, m_progress);
    // Boarding takes the first half, landing the second.
    if (m_progress < 0.5)
        return FrameBetween(size(), m_shape, m_from, m_aboard, m_progress * 2);
    return FrameBetween(size(), m_shape, m_aboard, m_scene, m_progress * 2 - 1);
}

void CCrossingPicture::SetChoice(CTravellerChoice* choice)
{
    const bool changed = choice != m_choice;
    m_choice = choice;
    m_focused = -1;
    m_concerned = 0;
    m_hinted = 0;
    update();
    if (changed && m_observer != nullptr)
        m_observer->ChoiceChanged(m_puzzle->Everybody(), true);
}

void CCrossingPicture::ToggleTraveller(int traveller)
{
    if (m_choice == nullptr || !m_puzzle->IsTraveller(traveller))
        return;
    const bool was = (m_choice->Chosen() & TravellerBit(traveller)) != 0;
    m_choice->Toggle(traveller);
    update();
    if (((m_choice->Chosen() & TravellerBit(traveller)) != 0) != was && m_observer != nullptr)
        m_observer->ChoiceChanged(TravellerBit(traveller), false);
}

int CCrossingPicture::FocusedTraveller() const
{
    if (m_choice == nullptr)
        return -1;
    const TravellerSet choosable = m_choice->Choosable();
    if (m_focused >= 0 && (choosable & TravellerBit(m_focused)) != 0)
        return m_focused;
    return choosable != 0 ? std::countr_zero(choosable) : -1;
}

void CCrossingPicture::SetMarks(TravellerSet concerned, TravellerSet hinted)
{
    m_concerned = concerned;
    m_hinted = hinted;
    update();
}

CTravellerMarks CCrossingPicture::Marks() const
{
    if (m_choice == nullptr)
        return {};
    return {m_choice->Chosen(), m_concerned, m_hinted};
}

void CCrossingPicture::MoveFocus(Arrow arrow)
{
    const TravellerSet choosable = m_choice != nullptr ? m_choice->Choosable() : 0;
    const int focused = FocusedTraveller();
    if (focused < 0)
        return;
    // Among the figures as they stand at rest, whatever the grid.
    std::vector<CFigurePlace> figures;
    CFigurePlace from;
    for (const CFigureSpot& figure : FrameAtRest(size(), m_shape, m_scene).m_figures) {
        if (figure.m_traveller == focused)
            from = {figure.m_traveller, figure.m_rect};
        else if (choosable & TravellerBit(figure.m_traveller))
            figures.push_back({figure.m_traveller, figure.m_rect});
    }
    FocusTraveller(FigureToward(from, figures, arrow));
}

void CCrossingPicture::FocusEnd(bool last)
{
    const TravellerSet choosable = m_choice != nullptr ? m_choice->Choosable() : 0;
    if (choosable != 0)
        FocusTraveller(last ? std::bit_width(choosable) - 1 : std::countr_zero(choosable));
}

void CCrossingPicture::FocusTraveller(int traveller)
{
    m_focused = traveller;
    update();
    if (hasFocus() && m_observer != nullptr)
        m_observer->TravellerFocused(FocusedTraveller());
}

QRectF CCrossingPicture::TravellerRect(int traveller) const
{
    const CPictureFrame frame = FrameAtRest(size(), m_shape, m_scene);
    for (const CFigureSpot& figure : frame.m_figures) {
        if (figure.m_traveller == traveller)
            return figure.m_rect;
    }
    return QRectF();
}

QRectF CCrossingPicture::PlaceRect(int place) const
{
    const CSceneLayout layout = LayoutScene(size(), m_shape, BoatPositionOf(m_scene));
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
    for (const CFigureSpot& figure : FrameAtRest(size(), m_shape, m_scene).m_figures) {
        if (figure.m_rect.contains(point))
            return figure.m_traveller;
    }
    return -1;
}

// Below this the names would be too small to read.
QSize CCrossingPicture::minimumSizeHint() const
{
    return SmallestPicture(m_shape).toSize();
}

QSize CCrossingPicture::sizeHint() const
{
    return QSize(680, 360).expandedTo(minimumSizeHint());
}

void CCrossingPicture::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    const bool atRest = m_progress >= 1;
    PaintFrame(painter, CurrentFrame(), *m_puzzle, m_figures, SceneColoursOf(palette(), m_figures.m_typeCount), font(),
               atRest ? Marks() : CTravellerMarks{});
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(1, 1, -1, -1);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
        // The focus ring, round the traveller that Space toggles.
        const int focused = FocusedTraveller();
        if (atRest && focused >= 0) {
            option.rect = TravellerRect(focused).toAlignedRect().adjusted(-2, -2, 2, 2);
            painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
        }
    }
}

void CCrossingPicture::mousePressEvent(QMouseEvent* event)
{
    const int traveller =
        m_choice != nullptr && event->button() == Qt::LeftButton ? TravellerAt(event->position()) : -1;
    if (traveller < 0) {
        QWidget::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    if (m_choice->Choosable() & TravellerBit(traveller))
        m_focused = traveller;
    ToggleTraveller(traveller);
}

void CCrossingPicture::keyPressEvent(QKeyEvent* event)
{
    if (m_choice == nullptr || event->modifiers() & ~Qt::KeypadModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
        MoveFocus(Arrow::LEFT);
        break;
    case Qt::Key_Right:
        MoveFocus(Arrow::RIGHT);
        break;
    case Qt::Key_Up:
        MoveFocus(Arrow::UP);
        break;
    case Qt::Key_Down:
        MoveFocus(Arrow::DOWN);
        break;
    case Qt::Key_Home:
        FocusEnd(false);
        break;
    case Qt::Key_End:
        FocusEnd(true);
        break;
    case Qt::Key_Space:
        ToggleTraveller(FocusedTraveller());
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_choice->Confirm();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void CCrossingPicture::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    if (m_choice != nullptr && m_observer != nullptr)
        m_observer->TravellerFocused(FocusedTraveller());
}

// A figure's tooltip names its traveller in full, however the picture
// shortened the name.
bool CCrossingPicture::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const int traveller = TravellerAt(help->pos());
    if (traveller >= 0)
        QToolTip::showText(help->globalPos(), QString::fromStdString(m_puzzle->NameOf(traveller)), this);
    else
        QToolTip::hideText();
    return true;
}

void CCrossingPicture::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        DressFigures();
    QWidget::changeEvent(event);
}

void CCrossingPicture::DressFigures()
{
    m_figures = TravellerFiguresOf(*m_puzzle, font());
    m_shape = ShapeOf(*m_puzzle, m_figures, font());
    updateGeometry();
}
