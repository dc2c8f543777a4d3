#include "CrossingState.h"

namespace {

bool IsTraveller(int traveller)
{
    return traveller >= 0 && traveller < TRAVELLER_COUNT;
}

bool IsAboard(std::int32_t place)
{
    return place == PLACE_GOING || place == PLACE_RETURNING;
}

} // namespace

CCrossingState::CCrossingState()
{
    for (std::int32_t& place : m_place)
        place = PLACE_START;
}

BOOL CCrossingState::Board(int traveller, int action)
{
    if (!IsTraveller(traveller))
        return FALSE;
    const bool allowed = (action == PLACE_GOING && m_place[traveller] == PLACE_START) ||
                         (action == PLACE_RETURNING && m_place[traveller] == PLACE_ARRIVED);
    if (!allowed)
        return FALSE;
    m_place[traveller] = action;
    return TRUE;
}

void CCrossingState::Land()
{
    for (std::int32_t& place : m_place) {
        if (place == PLACE_GOING)
            place = PLACE_ARRIVED;
        else if (place == PLACE_RETURNING)
            place = PLACE_START;
    }
}

BOOL CCrossingState::IsSafe() const
{
    // 1. Somebody aboard needs an operator aboard (either direction counts).
    bool anyAboard = false;
    bool operatorAboard = false;
    for (int t = 0; t < TRAVELLER_COUNT; ++t) {
        if (IsAboard(m_place[t])) {
            anyAboard = true;
            if (t < OPERATOR_COUNT)
                operatorAboard = true;
        }
    }
    if (anyAboard && !operatorAboard)
        return FALSE;

    // 2. and 3. Travellers 0 and 1 each guard against one of 9 and 10.
    if (!Together(0, 1) && Together(0, 9))
        return FALSE;
    if (!Together(1, 0) && Together(1, 10))
        return FALSE;

    // 4. Traveller 3 without 0 or 1 must keep away from 9, 10 and 11.
    if (!Together(3, 0) && !Together(3, 1) && (Together(3, 9) || Together(3, 10) || Together(3, 11)))
        return FALSE;

    // 5. Traveller 4 stays with 3 or with 7.
    if (!Together(4, 3) && !Together(4, 7))
        return FALSE;

    // 6. Traveller 7 without 3 or 4 must be alone.
    if (!Together(7, 3) && !Together(7, 4) && HasCompany(7))
        return FALSE;

    // 7. Traveller 6 without 2 must be alone.
    if (!Together(6, 2) && HasCompany(6))
        return FALSE;

    // 8. and 9. Travellers 9 and 10 without 0 or 1 must keep away from 11.
    if (!Together(9, 0) && !Together(9, 1) && Together(9, 11))
        return FALSE;
    if (!Together(10, 0) && !Together(10, 1) && Together(10, 11))
        return FALSE;

    return TRUE;
}

int CCrossingState::CountAt(int place) const
{
    int count = 0;
    for (std::int32_t p : m_place) {
        if (p == place)
            ++count;
    }
    return count;
}

BOOL CCrossingState::Equals(const CCrossingState& other) const
{
    for (int t = 0; t < TRAVELLER_COUNT; ++t) {
        if (m_place[t] != other.m_place[t])
            return FALSE;
    }
    return TRUE;
}

int CCrossingState::GetPlace(int traveller) const
{
    return IsTraveller(traveller) ? m_place[traveller] : PLACE_UNKNOWN;
}
