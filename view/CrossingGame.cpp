#include "CrossingGame.h"

#include "ViewTexts.h"
#include "display/GameText.h"
#include "display/RuleText.h"
#include "display/StepText.h"
#include "puzzle/BuiltInPuzzle.h"

#include <array>

namespace {

using CGroups = std::array<TravellerSet, PLACE_COUNT>;

// The travellers at each place with those across on 米国, and aboard ones
// in the boat leaving boatSide.
CGroups GroupsOf(TravellerSet across, TravellerSet aboard, int boatSide)
{
    CGroups groups{};
    groups[PLACE_START] = ALL_TRAVELLERS & ~across & ~aboard;
    groups[PLACE_ARRIVED] = across & ~aboard;
    groups[static_cast<std::size_t>(BoardingAction(boatSide))] = aboard;
    return groups;
}

} // namespace

CCrossingGame::CCrossingGame()
{
    Restart();
}

TravellerSet CCrossingGame::OnBoatSide() const
{
    return BoatSide() == PLACE_START ? ALL_TRAVELLERS & ~Across() : Across();
}

CCrossingState CCrossingGame::Arrangement() const
{
    return ArrangementOf(MakeCode(0, Across()));
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
    if (traveller >= 0 && traveller < TRAVELLER_COUNT && !IsFinished())
        m_chosen ^= TravellerBit(traveller);
}

const CPuzzleVerdict& CCrossingGame::Cross()
{
    if (IsFinished())
        return m_verdict;
    m_verdict = JudgeTrip(BuiltInPuzzle(), State(), m_chosen);
    if (!m_verdict.IsAccepted()) {
        m_notice = Notice::REFUSED;
        return m_verdict;
    }
    m_stops.resize(Index() + 1);
    m_stops.push_back({m_verdict.m_after.m_across, m_chosen});
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
    m_hint = BuiltInSolution().Continuation(State());
    m_notice = Notice::HINT;
    return m_hint;
}

void CCrossingGame::Moved(int position)
{
    m_position = position;
    m_chosen = 0;
    m_notice = Notice::NONE;
}

CStepScene CCrossingGame::SceneAt(int position) const
{
    const auto index = static_cast<std::size_t>(position);
    const CGroups groups = GroupsOf(m_stops[index].m_across, 0, BoatSideAfter(position));
    if (position == 0)
        return SceneOf(groups, nullptr);
    const CGroups aboard = GroupsOf(m_stops[index - 1].m_across, m_stops[index].m_trip, BoatSideAfter(position - 1));
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
    const CStop& before = m_stops[Index() - 1];
    const int side = BoatSideAfter(m_position - 1);
    const CGroups ashore = GroupsOf(before.m_across, 0, side);
    return SceneOf(GroupsOf(before.m_across, m_stops[Index()].m_trip, side), &ashore);
}

std::string CCrossingGame::Caption() const
{
    return TripCounterText(m_position);
}

std::string CCrossingGame::Sentence() const
{
    switch (m_notice) {
    case Notice::REFUSED:
        return VerdictSentence(BuiltInPuzzle(), m_verdict);
    case Notice::HINT:
        return HintSentence(BuiltInPuzzle(), m_hint);
    case Notice::NONE:
        break;
    }
    if (IsFinished())
        return FinishedSentence(m_position, ShortestTrips());
    std::string sentence = StepSentence(BuiltInPuzzle(), Scene());
    if (m_position == 0)
        sentence += StartSentence(BuiltInPuzzle(), CROSS_BUTTON);
    if (MetBefore())
        sentence += MetBeforeSentence();
    return sentence;
}

int CCrossingGame::ShortestTrips()
{
    return BuiltInSolution().FewestTrips();
}
