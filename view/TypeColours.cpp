#include "TypeColours.h"

#include <QPalette>

#include <algorithm>

namespace {

// Type colours keep at least this far from the accent's hue, in degrees.
constexpr int ACCENT_SECTOR = 50;
// The hues taken first, the most easily told apart first: orange, magenta,
// yellow, violet, red, teal, pink, green, sky blue, blue. The land is
// green, so green comes late.
constexpr int HUES[] = {30, 305, 55, 270, 0, 170, 335, 120, 195, 230};
// The hue taken for an accent without one (grey).
constexpr int DEFAULT_ACCENT_HUE = 210;

int HueDistance(int a, int b)
{
    const int apart = (a - b + 360) % 360;
    return std::min(apart, 360 - apart);
}

} // namespace

std::vector<std::string> TypesOf(const CPuzzle& puzzle)
{
    std::vector<std::string> types;
    for (int traveller = 0; traveller < puzzle.TravellerCount(); ++traveller) {
        const std::string& type = puzzle.TypeOf(traveller);
        if (!type.empty() && std::find(types.begin(), types.end(), type) == types.end())
            types.push_back(type);
    }
    return types;
}

std::vector<int> TypeIndexes(const CPuzzle& puzzle)
{
    const std::vector<std::string> types = TypesOf(puzzle);
    std::vector<int> indexes;
    for (int traveller = 0; traveller < puzzle.TravellerCount(); ++traveller) {
        const auto found = std::find(types.begin(), types.end(), puzzle.TypeOf(traveller));
        indexes.push_back(found == types.end() ? -1 : static_cast<int>(found - types.begin()));
    }
    return indexes;
}

std::vector<QColor> TypeColours(int count, const QPalette& palette)
{
    const QColor accent = palette.color(QPalette::Highlight);
    const int accentHue = accent.hsvHue() >= 0 ? accent.hsvHue() : DEFAULT_ACCENT_HUE;
    const bool dark = palette.color(QPalette::Window).lightness() < 128;
    std::vector<int> hues;
    for (const int hue : HUES) {
        if (HueDistance(hue, accentHue) >= ACCENT_SECTOR)
            hues.push_back(hue);
    }
    std::vector<QColor> colours;
    for (int index = 0; index < count; ++index) {
        const auto round = static_cast<std::size_t>(index) / hues.size();
        const int hue = hues[static_cast<std::size_t>(index) % hues.size()];
        // Past the first round of hues, paler ones.
        const int saturation = round == 0 ? (dark ? 170 : 230) : (dark ? 100 : 120);
        const int value = dark ? 255 : (round == 0 ? 225 : 245);
        colours.push_back(QColor::fromHsv(hue, saturation, value));
    }
    return colours;
}
