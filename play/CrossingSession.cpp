#include "CrossingSession.h"

#include "PuzzleCatalog.h"
#include "texts/SessionText.h"
#include "texts/SolutionText.h"

CCrossingSession::CCrossingSession(CShippedPuzzles shipped)
    : m_catalog(std::make_unique<CPuzzleCatalog>(std::move(shipped))), m_solution(m_catalog->SolutionAt(BUILT_IN)),
      m_answers(m_catalog->SharedPuzzleAt(BUILT_IN), *m_solution), m_game(m_solution)
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
