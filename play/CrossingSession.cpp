#include "CrossingSession.h"

#include "PuzzleCatalog.h"
#include "texts/GameText.h"
#include "texts/SessionText.h"
#include "texts/SolutionText.h"

CCrossingSession::CCrossingSession(CShippedPuzzles shipped)
    : m_catalog(std::make_unique<CPuzzleCatalog>(std::move(shipped))), m_solution(m_catalog->SolutionAt(BUILT_IN)),
      m_answers(m_catalog->SharedPuzzleAt(BUILT_IN), *m_solution), m_game(m_solution),
      m_rules(RulesPanelOf(m_solution->Puzzle()))
{
}

CCrossingSession::~CCrossingSession() = default;

int CCrossingSession::PuzzleCount() const
{
    return m_catalog->Count();
}

const std::string& CCrossingSession::PuzzleTitle(int index) const
{
    return m_catalog->PuzzleAt(index).m_title;
}

std::string CCrossingSession::PuzzleLabel(int index) const
{
    return ::PuzzleLabel(*m_catalog->SolutionAt(index));
}

const CPuzzleEntry& CCrossingSession::PuzzleEntry(int index) const
{
    return m_catalog->EntryAt(index);
}

int CCrossingSession::ChosenPuzzle() const
{
    return m_catalog->Chosen();
}

std::shared_ptr<const CPuzzle> CCrossingSession::Puzzle() const
{
    return m_catalog->SharedPuzzleAt(ChosenPuzzle());
}

bool CCrossingSession::ChoosePuzzle(int index)
{
    if (!m_catalog->Choose(index))
        return false;
    StartChosen();
    return true;
}

std::optional<std::string> CCrossingSession::OpenPuzzle(const std::string& fileOrName)
{
    const CPuzzleReading reading = m_catalog->Open(fileOrName);
    if (!reading.IsRead())
        return UnusablePuzzleText(reading);
    StartChosen();
    return std::nullopt;
}

std::optional<std::string> CCrossingSession::OpenPuzzle(const CFoundPuzzle& found)
{
    if (!found.m_reading.IsRead())
        return UnusablePuzzleText(found.m_reading);
    m_catalog->Keep(found);
    StartChosen();
    return std::nullopt;
}

void CCrossingSession::StartChosen()
{
    m_solution = m_catalog->SolutionAt(ChosenPuzzle());
    m_game = CCrossingGame(m_solution);
    m_rules = RulesPanelOf(m_solution->Puzzle());
    if (ShowsBuiltIn())
        m_answers.ShowBuiltIn();
    else
        m_answers.ShowPlan(Puzzle(), *m_solution);
}

void CCrossingSession::FollowDialog(const CrossingSteps& steps)
{
    m_answers.FollowDialog(steps);
}

std::string CCrossingSession::Title(const std::string& prefix) const
{
    return ShowsBuiltIn() ? BuiltInViewTitle(prefix) : PuzzleViewTitle(prefix, *Puzzle());
}

std::string CCrossingSession::Caption() const
{
    return m_shown == Shown::ANSWER ? Answer().Caption() : m_game.Caption();
}

std::string CCrossingSession::Summary() const
{
    if (ShowsBuiltIn() || m_shown != Shown::ANSWER)
        return "";
    return SolutionSummary(*m_solution);
}

std::string CCrossingSession::Sentence(const std::string& crossControl) const
{
    return m_shown == Shown::ANSWER ? Answer().Sentence() : m_game.Sentence(crossControl);
}

CStepScene CCrossingSession::Scene() const
{
    return m_shown == Shown::ANSWER ? Answer().CurrentScene() : m_game.Scene();
}

std::string CCrossingSession::TimeCounter() const
{
    const CPuzzle& puzzle = m_solution->Puzzle();
    if (m_shown == Shown::GAME || !puzzle.HasTimes())
        return m_game.TimeCounter();
    std::int64_t elapsed = 0;
    for (int step = 1; step <= Answer().Step(); ++step)
        elapsed += puzzle.TimeOf(Answer().Scene(step).m_landed);
    return TimeCounterText(puzzle, elapsed);
}

int CCrossingSession::HighlightedRule() const
{
    const CPuzzleVerdict* refusal = m_shown == Shown::GAME ? m_game.Refusal() : nullptr;
    return refusal != nullptr ? RefusedLine(m_rules, *refusal) : -1;
}

std::string CCrossingSession::TripListText() const
{
    std::vector<TravellerSet> trips;
    if (m_shown == Shown::GAME) {
        trips = m_game.TripsMade();
    } else {
        for (int step = 0; step < Answer().StepCount(); ++step) {
            if (Answer().Scene(step).IsOnRiver())
                trips.push_back(Answer().Scene(step).m_aboard);
        }
    }
    std::string list;
    for (std::size_t trip = 0; trip < trips.size(); ++trip)
        list += TripLine(m_solution->Puzzle(), static_cast<int>(trip) + 1, trips[trip]) + "\n";
    return list;
}

bool CCrossingSession::StartPlaying()
{
    const CReplayTrack& answer = Answer();
    return answer.Step() == answer.LastStep() && GoToStep(0);
}

TravellerSet CCrossingSession::Choosable() const
{
    return m_game.IsFinished() ? 0 : m_game.OnBoatSide();
}

bool CCrossingSession::Cross()
{
    const int trips = m_game.Trips();
    m_game.Cross();
    return m_game.Trips() != trips;
}
