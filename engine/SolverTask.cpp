// The search. It walks the tree of trips exactly as the steps below say, and
// keeps beside the path a compact code of each arrangement on it, with counts
// of those codes, so that the repetition check and the grouping of travellers
// for the safety rules take a look-up or two; the boarding steps take their
// safe candidates from a table worked out when compiling and count the unsafe
// ones without building them.

#include "SolverTask.h"

#include "AbortEvent.h"
#include "platform/Clock.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>

namespace {

void CountTrial(CSolverStatus& status)
{
    status.m_trials.Increment();
}

void CountTrials(CSolverStatus& status, int count)
{
    status.m_trials.Add(count);
}

bool IsFull(const CCrossingPath& path)
{
    return path.Top() >= PATH_CAPACITY - 1;
}

constexpr TravellerSet ALL_TRAVELLERS = TravellerBit(TRAVELLER_COUNT) - 1;

// An arrangement packed into one number, made of two sets of travellers:
// those aboard (PLACE_GOING or PLACE_RETURNING) in the low twelve bits, and
// those across (PLACE_ARRIVED or PLACE_RETURNING) in the twelve bits above.
// The start side is in neither set and the far side in "across" only, so equal
// codes mean equal arrangements, and boarding and landing are set operations.
using ArrangementCode = std::uint32_t;

constexpr TravellerSet AboardIn(ArrangementCode code)
{
    return code & ALL_TRAVELLERS;
}

constexpr TravellerSet AcrossIn(ArrangementCode code)
{
    return code >> TRAVELLER_COUNT;
}

constexpr ArrangementCode MakeCode(TravellerSet aboard, TravellerSet across)
{
    return aboard | across << TRAVELLER_COUNT;
}

ArrangementCode CodeOf(const CCrossingState& state)
{
    TravellerSet aboard = 0;
    TravellerSet across = 0;
    for (int t = 0; t < TRAVELLER_COUNT; ++t) {
        const int place = state.GetPlace(t);
        if (place == PLACE_GOING || place == PLACE_RETURNING)
            aboard |= TravellerBit(t);
        if (place == PLACE_ARRIVED || place == PLACE_RETURNING)
            across |= TravellerBit(t);
    }
    return MakeCode(aboard, across);
}

// Boarding, from either side, only puts travellers aboard.
constexpr ArrangementCode Boarded(ArrangementCode code, TravellerSet boat)
{
    return code | boat;
}

// Landing: whoever is aboard changes sides, and nobody stays aboard.
constexpr ArrangementCode Landed(ArrangementCode code)
{
    return MakeCode(0, AcrossIn(code) ^ AboardIn(code));
}

constexpr TravellerSet AtStartSide(ArrangementCode code)
{
    return ALL_TRAVELLERS & ~(AboardIn(code) | AcrossIn(code));
}

constexpr TravellerSet AtFarSide(ArrangementCode code)
{
    return AcrossIn(code) & ~AboardIn(code);
}

// The number of travellers in every set.
constexpr std::array<std::uint8_t, TRAVELLER_SET_COUNT> TRAVELLER_COUNTS = [] {
    std::array<std::uint8_t, TRAVELLER_SET_COUNT> counts{};
    for (TravellerSet set = 0; set < TRAVELLER_SET_COUNT; ++set)
        counts[set] = static_cast<std::uint8_t>(std::popcount(set));
    return counts;
}();

// A boat of one traveller (first == second) or two.
struct Boat {
    std::uint8_t first;
    std::uint8_t second;
};

// Whether a trip of boat, leaving its side with the travellers in leaving, is
// safe when no other trip is under way: the boat needs an operator (rule 1),
// and the boat and the travellers left behind must be safe groups. The third
// group, the other side, is the same for every candidate of a boarding.
constexpr bool IsSafeBoarding(TravellerSet leaving, TravellerSet boat)
{
    return (boat & OPERATORS) != 0 && SAFE_GROUPS[boat] && SAFE_GROUPS[leaving & ~boat];
}

// For every set of travellers on the side a trip leaves: how many candidates a
// boarding step tries (every traveller alone and every pair), and which of
// them are safe, in the order in which the step tries them. Worked out once,
// when compiling: the safe boats of every set one after the other, and where
// each set's part starts.
constexpr int SafeBoardingTotal()
{
    int total = 0;
    for (TravellerSet leaving = 0; leaving < TRAVELLER_SET_COUNT; ++leaving) {
        for (int i = 0; i < TRAVELLER_COUNT; ++i) {
            for (int j = i; j < TRAVELLER_COUNT; ++j) {
                const TravellerSet boat = TravellerBit(i) | TravellerBit(j);
                if ((leaving & boat) == boat && IsSafeBoarding(leaving, boat))
                    ++total;
            }
        }
    }
    return total;
}

struct BoardingTable {
    std::array<std::uint8_t, TRAVELLER_SET_COUNT> candidateCount;
    std::array<std::uint16_t, TRAVELLER_SET_COUNT + 1> firstSafe;
    std::array<Boat, SafeBoardingTotal()> safeBoats;
};

constexpr BoardingTable MakeBoardingTable()
{
    BoardingTable table{};
    int next = 0;
    for (TravellerSet leaving = 0; leaving < TRAVELLER_SET_COUNT; ++leaving) {
        const int travellers = TRAVELLER_COUNTS[leaving];
        table.candidateCount[leaving] = static_cast<std::uint8_t>(travellers * (travellers + 1) / 2);
        table.firstSafe[leaving] = static_cast<std::uint16_t>(next);
        for (int i = 0; i < TRAVELLER_COUNT; ++i) {
            for (int j = i; j < TRAVELLER_COUNT; ++j) {
                const TravellerSet boat = TravellerBit(i) | TravellerBit(j);
                if ((leaving & boat) == boat && IsSafeBoarding(leaving, boat))
                    table.safeBoats[next++] = Boat{static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(j)};
            }
        }
    }
    table.firstSafe[TRAVELLER_SET_COUNT] = static_cast<std::uint16_t>(next);
    return table;
}

constexpr BoardingTable BOARDINGS = MakeBoardingTable();

// Reading the clock costs more than judging an offer, and the search makes
// tens of millions of offers a second: it reads the clock for one offer in
// this many, a few microseconds apart, far less than the clock's millisecond.
constexpr int OFFERS_PER_CLOCK_READING = 64;

} // namespace

// The path and the status of one search, with the code of every arrangement
// on the path kept beside it, and the arrangements on the path counted by
// phase, by whether somebody is aboard and by the travellers across: the
// repetition check of CCrossingPath::Push, made on these, mostly takes one
// look-up.
class CSolverTask::CWalk {
public:
    CWalk(CCrossingPath& path, CSolverStatus& status)
        : m_path(path), m_status(status), m_bestArrived(status.m_best.ArrivedCount())
    {
        for (int step = 0; step <= path.Top(); ++step)
            Enter(static_cast<std::size_t>(step), CodeOf(path.m_states[step]));
    }
    CWalk(const CWalk&) = delete;
    CWalk& operator=(const CWalk&) = delete;

    CCrossingPath& Path() { return m_path; }
    CSolverStatus& Status() { return m_status; }
    ArrangementCode CurrentCode() const { return m_codes[m_path.Top()]; }

    // CCrossingPath::Push.
    bool Push(const CCrossingState& candidate)
    {
        return PushUnlessRepeated(CodeOf(candidate), [&candidate](CCrossingState& next) { next = candidate; });
    }

    // Pushes the current arrangement with boat boarded by action, unless that
    // repeats an earlier arrangement of its phase.
    bool PushBoarding(Boat boat, int action)
    {
        const ArrangementCode code = Boarded(CurrentCode(), TravellerBit(boat.first) | TravellerBit(boat.second));
        return PushUnlessRepeated(code, [boat, action](CCrossingState& boarded) {
            boarded.Board(boat.first, action);
            if (boat.second != boat.first)
                boarded.Board(boat.second, action);
        });
    }

    // Pushes the current arrangement landed, unless that repeats an earlier
    // arrangement of its phase.
    bool PushLanding()
    {
        return PushUnlessRepeated(Landed(CurrentCode()), [](CCrossingState& landed) { landed.Land(); });
    }

    void Pop()
    {
        --m_counts[m_tallies[m_path.Top()]];
        m_path.Pop();
    }

    // CSolverStatus::OfferPath of the path, but that the clock is read for one
    // offer in OFFERS_PER_CLOCK_READING only, the first one included, and
    // that the arrivals of both paths are known without counting: the path's
    // from its code, the best's kept here (only offers change the best).
    BOOL Offer()
    {
        if (--m_offersUntilClock == 0) {
            m_offersUntilClock = OFFERS_PER_CLOCK_READING;
            m_status.m_lastClock = MillisecondClock();
        }
        return m_status.JudgeOffer(m_path, TRAVELLER_COUNTS[AtFarSide(CurrentCode())], m_bestArrived);
    }

private:
    // Pushes the arrangement with the given code, made in place by make from
    // a copy of the current one, unless the path is full or the arrangement
    // repeats an earlier one of its phase: CCrossingPath::Push.
    template <typename Make> bool PushUnlessRepeated(ArrangementCode code, Make make)
    {
        const std::size_t next = static_cast<std::size_t>(m_path.Top()) + 1;
        const std::size_t tally = TallyOf(next, code);
        if (IsFull(m_path) || Repeats(next, code, tally))
            return false;
        make(m_path.PushCopyOfCurrent());
        Enter(next, code, tally);
        return true;
    }

    void Enter(std::size_t step, ArrangementCode code) { Enter(step, code, TallyOf(step, code)); }

    void Enter(std::size_t step, ArrangementCode code, std::size_t tally)
    {
        m_codes[step] = code;
        m_tallies[step] = static_cast<std::uint16_t>(tally);
        ++m_counts[tally];
    }

    // Which count of m_counts an arrangement at a step goes into: that of the
    // step's phase, of whether somebody is aboard, and of the travellers
    // across.
    static std::size_t TallyOf(std::size_t step, ArrangementCode code)
    {
        const std::size_t somebodyAboard = AboardIn(code) != 0 ? 1 : 0;
        return ((step % STEPS_PER_ROUND_TRIP * 2 + somebodyAboard) << TRAVELLER_COUNT) + AcrossIn(code);
    }

    // Whether an arrangement pushed at step next would repeat one of the
    // earlier arrangements of its phase, as CCrossingPath::Push judges. With
    // nobody aboard, the travellers across say it all, so its count answers.
    // With somebody aboard, a zero count still answers no; otherwise the
    // codes are compared. On the paths that the search builds itself that
    // never happens: a boarded arrangement has the travellers across of the
    // one it was boarded from, and those never repeat within their phase.
    bool Repeats(std::size_t next, ArrangementCode code, std::size_t tally) const
    {
        const bool alike = m_counts[tally] != 0;
        if (!alike || AboardIn(code) == 0)
            return alike;
        for (std::size_t step = next % STEPS_PER_ROUND_TRIP; step + 1 < next; step += STEPS_PER_ROUND_TRIP) {
            if (m_codes[step] == code)
                return true;
        }
        return false;
    }

    CCrossingPath& m_path;
    CSolverStatus& m_status;
    // For the steps up to the path's top: the code of the arrangement and the
    // count it went into.
    ArrangementCode m_codes[PATH_CAPACITY];
    std::uint16_t m_tallies[PATH_CAPACITY];
    // See TallyOf; never more than 25 each.
    std::uint8_t m_counts[STEPS_PER_ROUND_TRIP * 2 * TRAVELLER_SET_COUNT] = {};
    int m_offersUntilClock = 1;
    // m_status.m_best.ArrivedCount(), kept up to date by JudgeOffer.
    int m_bestArrived;
};

UINT CSolverTask::Run(void* param)
{
    auto* status = static_cast<CSolverStatus*>(param);
    if (status == nullptr)
        return 0;
    CCrossingPath path;
    status->MarkStart();
    SearchFirstTrips(path, *status);
    status->MarkFinished();
    return 0;
}

void CSolverTask::SearchFirstTrips(CCrossingPath& path, CSolverStatus& status)
{
    CWalk walk(path, status);
    SearchFirstTrips(walk);
}

void CSolverTask::LandOutbound(CCrossingPath& path, CSolverStatus& status)
{
    CWalk walk(path, status);
    LandOutbound(walk);
}

void CSolverTask::BoardReturn(CCrossingPath& path, CSolverStatus& status)
{
    CWalk walk(path, status);
    BoardReturn(walk);
}

void CSolverTask::LandReturn(CCrossingPath& path, CSolverStatus& status)
{
    CWalk walk(path, status);
    LandReturn(walk);
}

void CSolverTask::BoardOutbound(CCrossingPath& path, CSolverStatus& status)
{
    CWalk walk(path, status);
    BoardOutbound(walk);
}

void CSolverTask::SearchFirstTrips(CWalk& walk)
{
    CSolverStatus& status = walk.Status();
    status.SetProgressRange(FIRST_TRIP_COUNT);
    for (int i = 0; i < TRAVELLER_COUNT; ++i) {
        for (int j = i; j < TRAVELLER_COUNT; ++j) {
            CCrossingState candidate = walk.Path().Current();
            candidate.Board(i, PLACE_GOING);
            if (j != i)
                candidate.Board(j, PLACE_GOING);
            if (!candidate.IsSafe()) {
                CountTrial(status);
            } else if (walk.Push(candidate)) {
                LandOutbound(walk);
                walk.Pop();
            }
            status.StepProgress();
        }
    }
}

// The landing steps are folded into the boarding loops that call them: the
// search spends its time in that pair, and the compiler would not inline them
// on its own, since the steps call each other.
[[gnu::always_inline]] inline void CSolverTask::LandOutbound(CWalk& walk)
{
    if (IsFull(walk.Path())) {
        CountTrial(walk.Status());
        return;
    }
    if (!walk.PushLanding())
        return;
    if (!walk.Offer())
        CountTrial(walk.Status());
    else if (!walk.Path().IsProgressing())
        CountTrial(walk.Status());
    else
        BoardReturn(walk);
    walk.Pop();
}

void CSolverTask::BoardReturn(CWalk& walk)
{
    BoardTrip<PLACE_RETURNING>(walk);
}

[[gnu::always_inline]] inline void CSolverTask::LandReturn(CWalk& walk)
{
    if (IsFull(walk.Path())) {
        CountTrial(walk.Status());
        return;
    }
    if (walk.PushLanding()) {
        BoardOutbound(walk);
        walk.Pop();
    }
}

void CSolverTask::BoardOutbound(CWalk& walk)
{
    BoardTrip<PLACE_GOING>(walk);
}

// One boarding step: every traveller alone, then every pair, from the side the
// trip leaves. The stop request is looked at here only, on entry.
template <int Action> void CSolverTask::BoardTrip(CWalk& walk)
{
    if (g_abortEvent.Lock(0))
        return;
    if (IsFull(walk.Path())) {
        CountTrial(walk.Status());
        return;
    }
    const ArrangementCode current = walk.CurrentCode();
    if (AboardIn(current) != 0) {
        // A trip is still under way: judge each candidate as it comes.
        BoardEachCandidate(walk, Action);
        return;
    }

    // Nobody aboard yet: a candidate is safe when its boat and the travellers
    // it leaves behind are (see BOARDINGS), and the other side, which no
    // candidate changes, is safe too. The unsafe candidates are counted
    // without being built; the safe ones are tried in the step's order.
    constexpr bool outbound = Action == PLACE_GOING;
    const TravellerSet leaving = outbound ? AtStartSide(current) : AtFarSide(current);
    const TravellerSet otherSide = outbound ? AtFarSide(current) : AtStartSide(current);
    const int candidates = BOARDINGS.candidateCount[leaving];
    if (!SAFE_GROUPS[otherSide]) {
        CountTrials(walk.Status(), candidates);
        return;
    }
    const int first = BOARDINGS.firstSafe[leaving];
    const int end = BOARDINGS.firstSafe[leaving + 1];
    CountTrials(walk.Status(), candidates - (end - first));
    for (int k = first; k < end; ++k) {
        if (walk.PushBoarding(BOARDINGS.safeBoats[k], Action)) {
            if constexpr (outbound)
                LandOutbound(walk);
            else
                LandReturn(walk);
            walk.Pop();
        }
    }
}

// The same boarding step, every candidate built and judged in turn.
void CSolverTask::BoardEachCandidate(CWalk& walk, int action)
{
    for (int i = 0; i < TRAVELLER_COUNT; ++i) {
        CCrossingState single = walk.Path().Current();
        if (!single.Board(i, action))
            continue;
        for (int j = i; j < TRAVELLER_COUNT; ++j) {
            CCrossingState candidate = single;
            if (j != i && !candidate.Board(j, action))
                continue;
            if (!candidate.IsSafe()) {
                CountTrial(walk.Status());
            } else if (walk.Push(candidate)) {
                if (action == PLACE_GOING)
                    LandOutbound(walk);
                else
                    LandReturn(walk);
                walk.Pop();
            }
        }
    }
}
