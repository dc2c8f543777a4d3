#include "FigureWalk.h"

#include <algorithm>
#include <cmath>

namespace {

bool SameRow(const QRectF& a, const QRectF& b)
{
    return std::abs(a.center().y() - b.center().y()) < std::min(a.height(), b.height()) / 2;
}

bool IsThatWay(const QRectF& from, const QRectF& rect, Arrow arrow)
{
    switch (arrow) {
    case Arrow::LEFT:
        return SameRow(rect, from) && rect.center().x() < from.center().x();
    case Arrow::RIGHT:
        return SameRow(rect, from) && rect.center().x() > from.center().x();
    case Arrow::UP:
        return !SameRow(rect, from) && rect.center().y() < from.center().y();
    case Arrow::DOWN:
        return !SameRow(rect, from) && rect.center().y() > from.center().y();
    }
    return false;
}

// The first of places nearest to from by distance.
const CFigurePlace* Nearest(const std::vector<const CFigurePlace*>& places, const QRectF& from,
                            double (*distance)(const QRectF&, const QRectF&))
{
    const auto nearer = [&](const CFigurePlace* a, const CFigurePlace* b) {
        return distance(a->m_rect, from) < distance(b->m_rect, from);
    };
    const auto nearest = std::min_element(places.begin(), places.end(), nearer);
    return nearest != places.end() ? *nearest : nullptr;
}

double Across(const QRectF& a, const QRectF& b)
{
    return std::abs(a.center().x() - b.center().x());
}

double Along(const QRectF& a, const QRectF& b)
{
    return std::abs(a.center().y() - b.center().y());
}

} // namespace

int FigureToward(const CFigurePlace& from, const std::vector<CFigurePlace>& figures, Arrow arrow)
{
    std::vector<const CFigurePlace*> thatWay;
    for (const CFigurePlace& figure : figures) {
        if (IsThatWay(from.m_rect, figure.m_rect, arrow))
            thatWay.push_back(&figure);
    }
    if ((arrow == Arrow::UP || arrow == Arrow::DOWN) && !thatWay.empty()) {
        // Only the next row that way.
        const QRectF nextRow = Nearest(thatWay, from.m_rect, Along)->m_rect;
        std::erase_if(thatWay, [&](const CFigurePlace* figure) { return !SameRow(figure->m_rect, nextRow); });
    }
    const CFigurePlace* toward = Nearest(thatWay, from.m_rect, Across);
    return toward != nullptr ? toward->m_traveller : from.m_traveller;
}
