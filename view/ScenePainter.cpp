#include "ScenePainter.h"

#include "TypeColours.h"
#include "play/FigureLabels.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>

#include <algorithm>
#include <cmath>

namespace {

QColor Mix(const QColor& from, const QColor& to, double share)
{
    const auto channel = [share](int a, int b) { return static_cast<int>(a + (b - a) * share + 0.5); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()), channel(from.blue(), to.blue()));
}

void PaintRiver(QPainter& painter, const CSceneLayout& layout, const CSceneColours& colours)
{
    painter.fillRect(layout.m_startBank, colours.m_land);
    painter.fillRect(layout.m_farBank, colours.m_land);
    painter.fillRect(layout.m_river, colours.m_water);
    // A few ripples, so that the river reads as water in any palette.
    const QRectF& river = layout.m_river;
    painter.setPen(QPen(colours.m_wave, std::max(1.0, river.height() / 200), Qt::SolidLine, Qt::RoundCap));
    const double step = river.width() / 8;
    for (int row = 1; row <= 5; ++row) {
        const double y = river.top() + river.height() * row / 6.0;
        const double shift = (row % 2) * step / 2;
        QPainterPath ripple;
        for (double x = river.left() + step / 2 + shift; x + step / 2 < river.right(); x += step) {
            ripple.moveTo(x, y);
            ripple.quadTo(x + step / 8, y - step / 10, x + step / 4, y);
        }
        painter.drawPath(ripple);
    }
}

// text in rect, shortened with an ellipsis when it is too wide.
void DrawFitted(QPainter& painter, const QRectF& rect, Qt::Alignment alignment, const QString& text)
{
    painter.drawText(rect, alignment, QFontMetricsF(painter.font()).elidedText(text, Qt::ElideRight, rect.width()));
}

void DrawFitted(QPainter& painter, const QRectF& rect, Qt::Alignment alignment, const std::string& text)
{
    DrawFitted(painter, rect, alignment, QString::fromStdString(text));
}

// An oar held upright at x, its blade at the bottom.
void PaintOar(QPainter& painter, double x, double top, double bottom, double bladeWidth, double line,
              const CSceneColours& colours)
{
    const double height = bottom - top;
    painter.setPen(QPen(colours.m_wood, line, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(x, top), QPointF(x, bottom - height * 0.2));
    painter.setBrush(colours.m_wood);
    painter.drawEllipse(QRectF(x - bladeWidth / 2, bottom - height * 0.3, bladeWidth, height * 0.3));
}

// A look in place of the generic figure, as large as rect allows, its
// glyphs' box per pixel of font size; an operator's holds an oar, upright
// behind its right side and reaching above it. Clipped to rect, so that no
// glyph reaches into a neighbour's place.
void PaintLook(QPainter& painter, const QRectF& rect, const QString& look, const QRectF& box, bool isOperator,
               const QFont& lookFont, const CSceneColours& colours)
{
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    // Room above the look for the oar's handle.
    const double side = std::min(rect.width(), rect.height() / (isOperator ? 1.2 : 1.0));
    const QRectF square(rect.center().x() - side / 2, rect.bottom() - side, side, side);
    if (isOperator) {
        const double line = std::max(1.0, side * 0.05);
        PaintOar(painter, square.right() - side * 0.12, rect.bottom() - side * 1.2, square.bottom() - line, side * 0.2,
                 line, colours);
    }
    // As large as fills the square.
    const double pixels = std::max(1.0, std::floor(side * 0.95 / std::max({box.width(), box.height(), 0.1})));
    QFont font = lookFont;
    font.setPixelSize(static_cast<int>(pixels));
    painter.setFont(font);
    painter.setPen(colours.m_text);
    painter.drawText(square.center() - box.center() * pixels, look);
    painter.restore();
}

// The boat's load, under it.
void PaintLoad(QPainter& painter, const CSceneLayout& layout, const CPuzzle& puzzle, TravellerSet aboard,
               const CSceneColours& colours, QFont font)
{
    if (layout.m_load.isEmpty() || layout.m_loadFontPixels < 1)
        return;
    font.setPixelSize(static_cast<int>(layout.m_loadFontPixels));
    painter.setFont(font);
    painter.setPen(colours.m_text);
    DrawFitted(painter, layout.m_load, Qt::AlignHCenter | Qt::AlignTop, BoatLoad(puzzle, aboard));
}

void PaintTitles(QPainter& painter, const CSceneLayout& layout, const CPuzzle& puzzle, const CSceneColours& colours,
                 QFont font)
{
    font.setPixelSize(std::max(1, static_cast<int>(layout.m_titleFontPixels)));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(colours.m_text);
    DrawFitted(painter, layout.m_startTitle, Qt::AlignCenter, puzzle.BankName(PLACE_START));
    DrawFitted(painter, layout.m_farTitle, Qt::AlignCenter, puzzle.BankName(PLACE_ARRIVED));
}

// The hull, in front of the passengers' legs, under their names.
void PaintHull(QPainter& painter, const CSceneLayout& layout, const CSceneColours& colours)
{
    const QRectF& boat = layout.m_boat;
    const double seatHeight = layout.m_seats[0].height();
    const double top = NamePart(layout, layout.m_seats[0]).top() - seatHeight * 0.12;
    const double slant = boat.width() * 0.1;
    QPainterPath hull;
    hull.moveTo(boat.left(), top);
    hull.lineTo(boat.right(), top);
    hull.lineTo(boat.right() - slant, boat.bottom());
    hull.lineTo(boat.left() + slant, boat.bottom());
    hull.closeSubpath();
    painter.setPen(QPen(colours.m_wood, std::max(1.0, seatHeight * 0.04)));
    painter.setBrush(colours.m_hull);
    painter.drawPath(hull);
}

// An arrow above the boat on the river, the way it goes.
void PaintDirection(QPainter& painter, const CPictureFrame& frame, const CSceneColours& colours)
{
    if (frame.m_boat != PLACE_GOING && frame.m_boat != PLACE_RETURNING)
        return;
    const QRectF& boat = frame.m_layout.m_boat;
    const double head = boat.height() * 0.12;
    const double y = boat.top() - head * 1.5;
    const double from = boat.center().x() - boat.width() * 0.3;
    const double to = boat.center().x() + boat.width() * 0.3;
    const double sign = frame.m_boat == PLACE_GOING ? 1 : -1;
    const double tip = sign > 0 ? to : from;
    painter.setPen(QPen(colours.m_text, std::max(1.0, head / 3), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(from, y), QPointF(to, y));
    painter.drawLine(QPointF(tip, y), QPointF(tip - sign * head, y - head * 0.7));
    painter.drawLine(QPointF(tip, y), QPointF(tip - sign * head, y + head * 0.7));
}

// The marks behind a figure: the chosen one's spot filled and framed, the
// hint's dashed frame.
void PaintMarksBehind(QPainter& painter, const QRectF& spot, int traveller, const CTravellerMarks& marks,
                      const CSceneColours& colours)
{
    const TravellerSet bit = TravellerBit(traveller);
    const double line = std::max(1.5, spot.height() * 0.03);
    const double radius = spot.width() * 0.12;
    if (marks.m_chosen & bit) {
        painter.setPen(QPen(colours.m_operatorFill, line));
        painter.setBrush(colours.m_chosen);
        painter.drawRoundedRect(spot, radius, radius);
    }
    if (marks.m_hinted & bit) {
        painter.setPen(QPen(colours.m_text, line, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(spot.adjusted(line * 2, line * 2, -line * 2, -line * 2), radius, radius);
    }
}

// A refused trip's mark, over the figure: a heavy frame and "!" in its
// corner.
void PaintConcerned(QPainter& painter, const QRectF& spot, const CSceneColours& colours, const QFont& font)
{
    const double line = std::max(2.0, spot.height() * 0.05);
    const double radius = spot.width() * 0.12;
    painter.setPen(QPen(colours.m_concerned, line));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(spot, radius, radius);
    const double badge = std::max(8.0, spot.height() * 0.22);
    const QRectF corner(spot.left(), spot.top(), badge, badge);
    painter.setBrush(colours.m_concerned);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(corner);
    QFont bold = font;
    bold.setBold(true);
    bold.setPixelSize(std::max(1, static_cast<int>(badge * 0.8)));
    painter.setFont(bold);
    painter.setPen(colours.m_travellerFill);
    painter.drawText(corner, Qt::AlignCenter, QStringLiteral("!"));
}

} // namespace

CSceneColours SceneColoursOf(const QPalette& palette, int types)
{
    const QColor window = palette.color(QPalette::Window);
    const QColor text = palette.color(QPalette::WindowText);
    const bool dark = window.lightness() < 128;
    CSceneColours colours;
    colours.m_land = Mix(window, QColor(110, 160, 80), dark ? 0.3 : 0.35);
    colours.m_water = Mix(palette.color(QPalette::Base), QColor(60, 130, 210), dark ? 0.4 : 0.35);
    colours.m_wave = Mix(colours.m_water, text, 0.25);
    colours.m_text = text;
    colours.m_operatorFill = palette.color(QPalette::Highlight);
    colours.m_travellerFill = palette.color(QPalette::Base);
    colours.m_hull = dark ? QColor(110, 78, 48) : QColor(214, 178, 128);
    colours.m_wood = dark ? QColor(200, 160, 110) : QColor(120, 80, 40);
    colours.m_chosen = Mix(colours.m_land, colours.m_operatorFill, 0.4);
    colours.m_concerned = dark ? QColor(255, 120, 110) : QColor(190, 20, 20);
    colours.m_types = TypeColours(types, palette);
    return colours;
}

void PaintFigure(QPainter& painter, const QRectF& spot, bool isOperator, const CSceneColours& colours)
{
    // No taller than its shape, standing at the bottom.
    const double tallest = spot.width() / 0.6;
    const QRectF rect = spot.adjusted(0, std::max(0.0, spot.height() - tallest), 0, 0);
    const double height = rect.height();
    const double width = std::min(rect.width(), height * 0.75);
    const double centre = rect.center().x() - (isOperator ? width * 0.08 : 0);
    const double line = std::max(1.0, height * 0.035);

    if (isOperator) {
        // The oar, held upright beside the body.
        PaintOar(painter, centre + width * 0.42, rect.top() + height * 0.12, rect.bottom() - height * 0.02,
                 width * 0.18, line * 1.2, colours);
    }

    painter.setPen(QPen(colours.m_text, line));
    painter.setBrush(isOperator ? colours.m_operatorFill : colours.m_travellerFill);
    const double radius = std::min(height * 0.17, width * 0.3);
    painter.drawEllipse(QPointF(centre, rect.top() + line + radius), radius, radius);
    const double bodyTop = rect.top() + 2 * radius + line * 2.5;
    const QRectF body(centre - width * 0.3, bodyTop, width * 0.6, rect.bottom() - line / 2 - bodyTop);
    painter.drawRoundedRect(body, width * 0.22, width * 0.22);
}

void PaintTypeGround(QPainter& painter, const QRectF& rect, const QColor& colour, const CSceneColours& colours)
{
    const double width = std::min(rect.width() * 0.95, rect.height() * 0.85);
    const double height = std::max(3.0, rect.height() * 0.18);
    painter.setPen(QPen(colours.m_text, std::max(1.0, rect.height() * 0.015)));
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(rect.center().x() - width / 2, rect.bottom() - height, width, height));
}

void PaintFrame(QPainter& painter, const CPictureFrame& frame, const CPuzzle& puzzle, const CTravellerFigures& figures,
                const CSceneColours& colours, const QFont& font, const CTravellerMarks& marks)
{
    const CSceneLayout& layout = frame.m_layout;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    PaintRiver(painter, layout, colours);
    PaintTitles(painter, layout, puzzle, colours, font);
    PaintDirection(painter, frame, colours);

    for (const CFigureSpot& figure : frame.m_figures) {
        if (figure.m_opacity >= 1)
            PaintMarksBehind(painter, figure.m_rect, figure.m_traveller, marks, colours);
    }
    for (const CFigureSpot& figure : frame.m_figures) {
        const auto traveller = static_cast<std::size_t>(figure.m_traveller);
        const QRectF part = FigurePart(layout, figure.m_rect);
        const bool isOperator = (puzzle.m_rowers & TravellerBit(figure.m_traveller)) != 0;
        painter.setOpacity(figure.m_opacity);
        const int type = traveller < figures.m_types.size() ? figures.m_types[traveller] : -1;
        if (type >= 0 && static_cast<std::size_t>(type) < colours.m_types.size())
            PaintTypeGround(painter, part, colours.m_types[static_cast<std::size_t>(type)], colours);
        if (traveller < figures.m_looks.size() && !figures.m_looks[traveller].isEmpty())
            PaintLook(painter, part, figures.m_looks[traveller], figures.m_lookBoxes[traveller], isOperator,
                      figures.m_lookFont, colours);
        else
            PaintFigure(painter, part, isOperator, colours);
    }
    painter.setOpacity(1);
    PaintHull(painter, layout, colours);
    PaintLoad(painter, layout, puzzle, frame.m_aboard, colours, font);

    QFont nameFont = font;
    nameFont.setPixelSize(std::max(1, static_cast<int>(layout.m_nameFontPixels)));
    QFont measuresFont = font;
    measuresFont.setPixelSize(std::max(1, static_cast<int>(layout.m_measuresFontPixels)));
    painter.setPen(colours.m_text);
    for (const CFigureSpot& figure : frame.m_figures) {
        const auto traveller = static_cast<std::size_t>(figure.m_traveller);
        painter.setOpacity(figure.m_opacity);
        painter.setFont(nameFont);
        DrawFitted(painter, NamePart(layout, figure.m_rect), Qt::AlignHCenter | Qt::AlignTop,
                   puzzle.NameOf(figure.m_traveller));
        if (layout.m_measuresFontPixels > 0 && traveller < figures.m_measures.size()) {
            painter.setFont(measuresFont);
            DrawFitted(painter, MeasuresPart(layout, figure.m_rect), Qt::AlignHCenter | Qt::AlignTop,
                       figures.m_measures[traveller]);
        }
    }
    painter.setOpacity(1);
    for (const CFigureSpot& figure : frame.m_figures) {
        if (figure.m_opacity >= 1 && (marks.m_concerned & TravellerBit(figure.m_traveller)) != 0)
            PaintConcerned(painter, figure.m_rect, colours, font);
    }
    painter.restore();
}
