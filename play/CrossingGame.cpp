#include "CrossingGame.h"

#include "texts/GameText.h"
#include "texts/RuleText.h"
#include "texts/StepText.h"

CCrossingGame::CCrossingGame(std::shared_ptr<const CPuzzleSolution> solution) : m_solution(std::move(solution))
{
    Restart();
}

bool CCrossingGame::MetBefore() const
{
    // The boat's side alternates with the trips, so only every other stop
    // has it on the same side.
    for (int earlier = m_position - 2; earlier >= 0; earlier -= 2) {
        if (m_stops[static_cast<std::size_t>(earlier)].m_across == Across())
            return true;
    }
    return false;
}

void CCrossingGame::Toggle(int traveller)
{
    if (Puzzle().IsTraveller(traveller) && !IsFinished())
        m_chosen ^= TravellerBit(traveller);
}

const CPuzzleVerdict& CCrossingGame::Cross()
{
    if (IsFinished())
        return m_verdict;
    m_verdict = m_solution->Judge().Judge(State(), m_chosen, Elapsed());
    if (!m_verdict.IsAccepted()) {
        m_notice = Notice::REFUSED;
        return m_verdict;
    }
    m_stops.resize(Index() + 1);
    m_stops.push_back({m_verdict.m_after.m_across, m_chosen, m_verdict.m_time});
    Moved(m_position + 1);
    return m_verdict;
}

bool CCrossingGame::Undo()
{
    if (!CanUndo())
        return false;
    Moved(m_position - 1);
    return true;
}

bool CCrossingGame::Redo()
{
    if (!CanRedo())
        return false;
    Moved(m_position + 1);
    return true;
}

void CCrossingGame::Restart()
{
    m_stops.assign(1, CStop{});
    Moved(0);
}

const CContinuation& CCrossingGame::Hint()
{
    m_hint = m_solution->Continuation(State());
    m_notice = Notice::HINT;
    return m_hint;
}

void CCrossingGame::Moved(int position)
{
    m_position = position;
    m_chosen = 0;
    m_notice = Notice::NONE;
}

PlaceGroups CCrossingGame::GroupsAt(int position, TravellerSet aboard) const
{
    // Those aboard on a return trip are still counted across until they land.
    return GroupsOf(Puzzle().Everybody(), aboard, m_stops[static_cast<std::size_t>(position)].m_across);
}

CStepScene CCrossingGame::SceneAt(int position) const
{
    const PlaceGroups groups = GroupsAt(position, 0);
    if (position == 0)
        return SceneOf(groups, nullptr);
    const PlaceGroups aboard = GroupsAt(position - 1, m_stops[static_cast<std::size_t>(position)].m_trip);
    return SceneOf(groups, &aboard);
}

CStepScene CCrossingGame::Scene() const
{
    return SceneAt(m_position);
}

CStepScene CCrossingGame::SceneBeforeTrip() const
{
    return SceneAt(m_position > 0 ? m_position - 1 : 0);
}

CStepScene CCrossingGame::SceneAboard() const
{
    if (m_position == 0)
        return Scene();
    const PlaceGroups ashore = GroupsAt(m_position - 1, 0);
    return SceneOf(GroupsAt(m_position - 1, m_stops[Index()].m_trip), &ashore);
}

std::vector<TravellerSet> CCrossingGame::TripsMade() const
{
    std::vector<TravellerSet> trips;
    for (std::size_t stop = 1; stop <= Index(); ++stop)
        trips.push_back(m_stops[stop].m_trip);
    return trips;
}

std::string CCrossingGame::TimeCounter() const
{
    return Puzzle().HasTimes() ? TimeCounterText(Puzzle(), Elapsed()) : "";
}

std::string CCrossingGame::Caption() const
{
    return TripCounterText(m_position);
}

std::string CCrossingGame::Sentence(const std::string& crossControl) const
{
    switch (m_notice) {
    case Notice::REFUSED:
        return VerdictSentence(Puzzle(), m_verdict);
    case Notice::HINT:
        return HintSentence(Puzzle(), m_hint, m_solution->FitsInTime(State(), Elapsed()));
    case Notice::NONE:
        break;
    }
    if (IsFinished() && Puzzle().HasTimes())
        return FinishedTimeSentence(Puzzle(), m_position, Elapsed(), m_solution->Fastest());
    if (IsFinished())
        return FinishedSentence(m_position, ShortestTrips());
    std::string sentence = StepSentence(Puzzle(), Scene());
    if (m_position == 0)
        sentence += StartSentence(Puzzle(), crossControl);
    if (MetBefore())
        sentence += MetBeforeSentence();
    return sentence;
}
