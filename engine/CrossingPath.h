// The sequence of arrangements from the initial one to the current one: the
// search's stack of moves, and the shape in which a best path is kept and shown.
#pragma once

#include "CrossingState.h"

#include <cstdint>

inline constexpr int PATH_CAPACITY = 100;

// Steps of one round trip: outbound aboard, landed, return aboard, landed.
inline constexpr int STEPS_PER_ROUND_TRIP = 4;

class CCrossingPath {
public:
    CCrossingPath();
    CCrossingPath(const CCrossingPath& other);
    CCrossingPath& operator=(const CCrossingPath& other);
    virtual ~CCrossingPath() = default;

    // Adds an arrangement on top. Refused when the path is full or when the
    // arrangement was already met at an earlier step of the same phase.
    BOOL Push(const CCrossingState& candidate);
    // Push of a copy of the current arrangement with travellers first and
    // second put aboard by action (first == second for one traveller), or
    // landed: the same checks and the same result, without building the copy
    // first and working out its code from its twelve places. These are the
    // search's moves, a few instructions each. PushBoarded refuses, like
    // CCrossingState::Board, a traveller who is not on the side that action
    // leaves.
    BOOL PushBoarded(int first, int second, int action);
    BOOL PushLanded();
    // Removes the top arrangement; the initial one is never removed.
    BOOL Pop();

    int ArrivedCount() const;
    int GetPlaceAt(int step, int traveller) const;
    // After an outbound landing: whether the search below this path can still
    // pay. Complete paths and paths whose arrivals did not grow over the last
    // two round trips are cut off.
    BOOL IsProgressing() const;
    int Top() const { return m_top; }

    const CCrossingState& Current() const { return m_states[m_top]; }
    ArrangementCode CurrentCode() const { return m_codes[m_top]; }

private:
    // Where the arrangement of a step with the given code is counted in
    // m_counts: by the step's phase, whether somebody is aboard, and the
    // travellers across.
    static std::size_t TallyOf(int step, ArrangementCode code);
    // Whether an arrangement pushed at step next would repeat an earlier one of
    // its phase.
    bool Repeats(int next, ArrangementCode code, std::size_t tally) const;
    // Every push: unless the path is full or the arrangement with the given
    // code repeats an earlier one of its phase, copies the current arrangement
    // on top and has make turn the copy into that arrangement.
    template <typename Make> BOOL PushMade(ArrangementCode code, Make make);
    // Adds change to the count of every step up to the top.
    void CountSteps(int change);
    // The arrangements, their codes and the top; not the counts.
    void CopyStepsOf(const CCrossingPath& other);

    CCrossingState m_states[PATH_CAPACITY];
    std::int32_t m_top;

    // Beside every arrangement up to the top its code, and the arrangements on
    // the path counted by TallyOf: an arrangement with nobody aboard is told by
    // the travellers across alone, so the repetition check mostly takes one
    // look-up instead of comparing up to 24 arrangements.
    ArrangementCode m_codes[PATH_CAPACITY];
    std::uint16_t m_tallies[PATH_CAPACITY]; // TallyOf of each step, for Pop
    // At most 25 steps share a phase, so a byte holds each count.
    std::uint8_t m_counts[STEPS_PER_ROUND_TRIP * 2 * TRAVELLER_SET_COUNT];
};

// Push, Pop and the counts run for every move of the search, so they are
// defined here where the search can inline them.

inline std::size_t CCrossingPath::TallyOf(int step, ArrangementCode code)
{
    const std::size_t phase = static_cast<std::size_t>(step % STEPS_PER_ROUND_TRIP);
    const std::size_t somebodyAboard = AboardIn(code) != 0 ? 1 : 0;
    return ((phase * 2 + somebodyAboard) << TRAVELLER_COUNT) + AcrossIn(code);
}

inline bool CCrossingPath::Repeats(int next, ArrangementCode code, std::size_t tally) const
{
    const bool alike = m_counts[tally] != 0;
    // With nobody aboard, equal travellers across mean equal arrangements.
    if (!alike || AboardIn(code) == 0)
        return alike;
    // Only the earlier arrangements of the new step's phase can repeat it.
    for (int k = next % STEPS_PER_ROUND_TRIP; k < m_top; k += STEPS_PER_ROUND_TRIP) {
        if (m_codes[k] == code)
            return true;
    }
    return false;
}

template <typename Make> inline BOOL CCrossingPath::PushMade(ArrangementCode code, Make make)
{
    if (m_top >= PATH_CAPACITY - 1)
        return FALSE;
    const int next = m_top + 1;
    const std::size_t tally = TallyOf(next, code);
    if (Repeats(next, code, tally))
        return FALSE;
    m_states[next] = m_states[m_top];
    make(m_states[next]);
    m_codes[next] = code;
    m_tallies[next] = static_cast<std::uint16_t>(tally);
    ++m_counts[tally];
    m_top = next;
    return TRUE;
}

inline BOOL CCrossingPath::Push(const CCrossingState& candidate)
{
    return PushMade(CodeOf(candidate), [&candidate](CCrossingState& next) { next = candidate; });
}

inline BOOL CCrossingPath::PushBoarded(int first, int second, int action)
{
    const ArrangementCode current = m_codes[m_top];
    const TravellerSet side = action == PLACE_GOING       ? AtStartSide(current)
                              : action == PLACE_RETURNING ? AtFarSide(current)
                                                          : 0;
    if (first < 0 || first >= TRAVELLER_COUNT || second < 0 || second >= TRAVELLER_COUNT)
        return FALSE;
    const TravellerSet boat = TravellerBit(first) | TravellerBit(second);
    if ((side & boat) != boat)
        return FALSE;
    // Boarding from either side only puts travellers aboard.
    return PushMade(current | boat, [first, second, action](CCrossingState& boarded) {
        boarded.Board(first, action);
        boarded.Board(second, action);
    });
}

inline BOOL CCrossingPath::PushLanded()
{
    // Landing: whoever is aboard changes sides, and nobody stays aboard.
    const ArrangementCode current = m_codes[m_top];
    return PushMade(MakeCode(0, AcrossIn(current) ^ AboardIn(current)), [](CCrossingState& landed) { landed.Land(); });
}

inline BOOL CCrossingPath::Pop()
{
    if (m_top < 1)
        return FALSE;
    --m_counts[m_tallies[m_top]];
    --m_top;
    return TRUE;
}

inline int CCrossingPath::ArrivedCount() const
{
    return TRAVELLER_COUNTS[AtFarSide(m_codes[m_top])];
}

inline BOOL CCrossingPath::IsProgressing() const
{
    const int arrived = ArrivedCount();
    if (arrived >= TRAVELLER_COUNT)
        return FALSE;
    constexpr int window = 2 * STEPS_PER_ROUND_TRIP;
    if (m_top < window)
        return TRUE;
    return arrived > TRAVELLER_COUNTS[AtFarSide(m_codes[m_top - window])] ? TRUE : FALSE;
}
