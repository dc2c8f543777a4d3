#include "TravellerFigures.h"

#include "TypeColours.h"
#include "play/FigureLabels.h"

#include <QFontMetricsF>

#include <algorithm>

namespace {

constexpr char32_t ZERO_WIDTH_JOINER = 0x200D;
constexpr char32_t EMOJI_PRESENTATION = 0xFE0F;

// Widths are measured at this size, and given per pixel of font size.
constexpr int PROBE_PIXELS = 100;

} // namespace

bool FontsDrawLook(const QFont& font, const QString& look)
{
    const QFontMetricsF metrics(font);
    bool drawn = false;
    for (const char32_t character : look.toUcs4()) {
        if (character == ZERO_WIDTH_JOINER || character == EMOJI_PRESENTATION)
            continue;
        if (!metrics.inFontUcs4(character))
            return false;
        drawn = true;
    }
    return drawn;
}

CTravellerFigures TravellerFiguresOf(const CPuzzle& puzzle, const QFont& face)
{
    CTravellerFigures figures;
    figures.m_lookFont = face;
    figures.m_lookFont.setFamilies({QString::fromUtf8(LOOK_FAMILY), face.family()});
    figures.m_types = TypeIndexes(puzzle);
    figures.m_typeCount = static_cast<int>(TypesOf(puzzle).size());
    QFont probe = figures.m_lookFont;
    probe.setPixelSize(PROBE_PIXELS);
    const QFontMetricsF metrics(probe);
    for (int traveller = 0; traveller < puzzle.TravellerCount(); ++traveller) {
        const QString look = QString::fromStdString(puzzle.LookOf(traveller));
        const bool drawn = FontsDrawLook(figures.m_lookFont, look);
        figures.m_looks.push_back(drawn ? look : QString());
        const QRectF box = drawn ? metrics.boundingRect(look) : QRectF();
        figures.m_lookBoxes.emplace_back(box.topLeft() / PROBE_PIXELS, box.size() / PROBE_PIXELS);
        figures.m_measures.push_back(QString::fromStdString(TravellerMeasures(puzzle, traveller)));
    }
    return figures;
}

CSceneShape ShapeOf(const CPuzzle& puzzle, const CTravellerFigures& figures, const QFont& face)
{
    QFont probe = face;
    probe.setPixelSize(PROBE_PIXELS);
    const QFontMetricsF metrics(probe);
    const auto perPixel = [&metrics](const QString& text) { return metrics.horizontalAdvance(text) / PROBE_PIXELS; };
    CSceneShape shape{puzzle.TravellerCount(), puzzle.m_seats, 0};
    for (const std::string& name : puzzle.m_names)
        shape.m_nameWidthPerPixel = std::max(shape.m_nameWidthPerPixel, perPixel(QString::fromStdString(name)));
    for (const QString& measures : figures.m_measures)
        shape.m_measuresWidthPerPixel = std::max(shape.m_measuresWidthPerPixel, perPixel(measures));
    // The most the boat can be said to carry: everybody's weight.
    shape.m_loadWidthPerPixel = perPixel(QString::fromStdString(BoatLoad(puzzle, puzzle.Everybody())));
    return shape;
}
