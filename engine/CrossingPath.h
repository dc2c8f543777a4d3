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
    // Push of a copy of the current arrangement with the travellers of boat
    // (one or two) put aboard by action, or landed: the same checks and the
    // same result, without building the copy. These are the search's moves, a
    // few instructions each. PushBoarded refuses, like CCrossingState::Board,
    // a traveller who is not on the side that action leaves.
    BOOL PushBoarded(TravellerSet boat, int action);
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

    CCrossingState Current() const { return ArrangementOf(m_codes[m_top]); }
    ArrangementCode CurrentCode() const { return m_codes[m_top]; }
    // The code of the arrangement at step, 0 to Top(); the initial one's
    // for any other step.
    ArrangementCode CodeAt(int step) const { return step >= 0 && step <= m_top ? m_codes[step] : m_codes[0]; }
    // Whether an arrangement with this code, pushed as step (the top + 1 or
    // later, while the steps between hold other phases), would repeat an
    // arrangement of its phase: lets the search judge a move before making
    // it.
    bool WouldRepeat(int step, ArrangementCode code) const;

private:
    // Where the arrangements of a phase with the same travellers across are
    // noted in m_seen.
    static std::size_t SlotOf(int step, ArrangementCode code);
    BOOL PushCode(ArrangementCode code);
    // Notes every step up to the top in m_seen, or takes them out again.
    void NoteSteps(int change);

    // Only the codes: an arrangement is built from its code when it is read.
    ArrangementCode m_codes[PATH_CAPACITY];
    std::int32_t m_top;

    // The arrangements on the path by phase and travellers across: bit 0 says
    // that one with nobody aboard is there (equal travellers across then mean
    // equal arrangements), the bits above count those with somebody aboard.
    // The repetition check thus mostly takes one look-up instead of comparing
    // up to 24 arrangements. At most 25 steps share a phase, so a byte holds
    // both.
    std::uint8_t m_seen[STEPS_PER_ROUND_TRIP * TRAVELLER_SET_COUNT];
};

// Push, Pop and the repetition check run for every move of the search, so
// they are defined here where the search can inline them.

inline std::size_t CCrossingPath::SlotOf(int step, ArrangementCode code)
{
    // Steps are never negative: the phase is the step's low two bits.
    const std::size_t phase = static_cast<std::size_t>(step) % STEPS_PER_ROUND_TRIP;
    return phase << TRAVELLER_COUNT | AcrossIn(code);
}

inline bool CCrossingPath::WouldRepeat(int step, ArrangementCode code) const
{
    const std::uint8_t seen = m_seen[SlotOf(step, code)];
    if (AboardIn(code) == 0)
        return (seen & 1) != 0;
    if (seen < 2)
        return false;
    for (int k = step % STEPS_PER_ROUND_TRIP; k < step && k <= m_top; k += STEPS_PER_ROUND_TRIP) {
        if (m_codes[k] == code)
            return true;
    }
    return false;
}

inline BOOL CCrossingPath::PushCode(ArrangementCode code)
{
    if (m_top >= PATH_CAPACITY - 1)
        return FALSE;
    const int next = m_top + 1;
    if (WouldRepeat(next, code))
        return FALSE;
    m_seen[SlotOf(next, code)] += AboardIn(code) == 0 ? 1 : 2;
    m_codes[next] = code;
    m_top = next;
    return TRUE;
}

inline BOOL CCrossingPath::Push(const CCrossingState& candidate)
{
    return PushCode(CodeOf(candidate));
}

inline BOOL CCrossingPath::PushBoarded(TravellerSet boat, int action)
{
    const ArrangementCode current = m_codes[m_top];
    const TravellerSet side = action == PLACE_GOING       ? AtStartSide(current)
                              : action == PLACE_RETURNING ? AtFarSide(current)
                                                          : 0;
    if (boat == 0 || (boat & side) != boat || TRAVELLER_COUNTS[boat] > 2)
        return FALSE;
    // Boarding from either side only puts travellers aboard.
    return PushCode(current | boat);
}

inline BOOL CCrossingPath::PushLanded()
{
    return PushCode(LandedCode(m_codes[m_top]));
}

inline BOOL CCrossingPath::Pop()
{
    if (m_top < 1)
        return FALSE;
    const ArrangementCode code = m_codes[m_top];
    m_seen[SlotOf(m_top, code)] -= AboardIn(code) == 0 ? 1 : 2;
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
