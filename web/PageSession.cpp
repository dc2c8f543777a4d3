#include "PageSession.h"

#include "web/ShippedPuzzleTexts.h"

#include "puzzle/PuzzleWriter.h"
#include "texts/SessionText.h"
#include "texts/StepText.h"

#include <algorithm>
#include <array>
#include <bit>

using emscripten::val;

namespace {

CShippedPuzzles CompiledInPuzzles()
{
    std::vector<CPuzzleFileText> files;
    for (const CShippedPuzzleText& shipped : ShippedPuzzleTexts())
        files.push_back({std::string(shipped.m_file), std::string(shipped.m_text)});
    return CShippedPuzzles::InMemory(std::move(files));
}

val Travellers(TravellerSet set)
{
    val list = val::array();
    for (; set != 0; set &= set - 1)
        list.call<void>("push", std::countr_zero(set));
    return list;
}

const char* BoatPlace(int place)
{
    switch (place) {
    case PLACE_GOING:
        return "going";
    case PLACE_RETURNING:
        return "returning";
    case PLACE_ARRIVED:
        return "far";
    default:
        return "start";
    }
}

// { start, far, aboard, boat }: who is on each bank and in the boat, and
// where the boat is: "start" or "far" at a bank, "going" or "returning" on
// the river.
val SceneValue(const CStepScene& scene)
{
    val value = val::object();
    value.set("start", Travellers(scene.m_atStart));
    value.set("far", Travellers(scene.m_atFar));
    value.set("aboard", Travellers(scene.m_aboard));
    value.set("boat", std::string(BoatPlace(scene.m_boat)));
    return value;
}

// The places of a scene, named as screen readers hear them, with who is
// there: the banks, then the boat.
val PlacesValue(const CPuzzle& puzzle, const CStepScene& scene)
{
    val places = val::array();
    for (int place : std::array{PLACE_START, PLACE_ARRIVED, PLACE_GOING}) {
        val listed = val::object();
        listed.set("name", PlaceName(puzzle, place));
        listed.set("travellers", Travellers(scene.At(place)));
        places.call<void>("push", listed);
    }
    return places;
}

// The statement, line by line: { text, rule }, rule being a rule's number
// or 0 for a line of another kind.
val RulesValue(const std::vector<CPanelLine>& lines)
{
    val rules = val::array();
    for (const CPanelLine& line : lines) {
        val listed = val::object();
        listed.set("text", line.m_text);
        listed.set("rule", line.m_kind == CPanelLine::Kind::RULE ? line.m_rule : 0);
        rules.call<void>("push", listed);
    }
    return rules;
}

} // namespace

CPageSession::CPageSession() : m_shipped(CompiledInPuzzles()), m_session(m_shipped) {}

val CPageSession::Puzzles() const
{
    val list = val::array();
    for (int index = 0; index < m_session.PuzzleCount(); ++index) {
        val puzzle = val::object();
        puzzle.set("name", m_session.PuzzleEntry(index).m_name);
        puzzle.set("title", m_session.PuzzleTitle(index));
        puzzle.set("label", m_session.PuzzleLabel(index));
        list.call<void>("push", puzzle);
    }
    return list;
}

std::string CPageSession::OpenGivenFile(const std::string& file, const std::string& bytes)
{
    return m_session.OpenPuzzle(ReadGivenFile(file, bytes)).value_or("");
}

std::string CPageSession::OpenLinkedName(const std::string& name)
{
    const CFoundPuzzle found = FindNamedPuzzle(name, m_shipped);
    if (!found.m_reading.IsRead())
        return UnusableLinkText(found.m_reading);
    m_session.OpenPuzzle(found);
    return "";
}

std::string CPageSession::OpenLinkedFile(const std::string& file, const std::string& bytes)
{
    const CFoundPuzzle found = ReadGivenFile(file, bytes);
    if (!found.m_reading.IsRead())
        return UnusableLinkText(found.m_reading);
    m_session.OpenPuzzle(found);
    return "";
}

std::string CPageSession::UnreadableLink()
{
    return UnreadableLinkText();
}

val CPageSession::Puzzle() const
{
    const CPuzzle& puzzle = *m_session.Puzzle();
    val value = val::object();
    value.set("title", puzzle.m_title);
    val banks = val::array();
    banks.call<void>("push", puzzle.BankName(PLACE_START));
    banks.call<void>("push", puzzle.BankName(PLACE_ARRIVED));
    value.set("banks", banks);
    value.set("boat", std::string(BoatText()));
    value.set("seats", puzzle.m_seats);
    val travellers = val::array();
    for (int t = 0; t < puzzle.TravellerCount(); ++t) {
        val traveller = val::object();
        traveller.set("name", puzzle.NameOf(t));
        traveller.set("rows", (puzzle.m_rowers & TravellerBit(t)) != 0);
        traveller.set("look", puzzle.LookOf(t));
        traveller.set("type", puzzle.TypeOf(t));
        traveller.set("measures", MeasuresText(puzzle, t));
        travellers.call<void>("push", traveller);
    }
    value.set("travellers", travellers);
    return value;
}

val CPageSession::Shown(const std::string& titlePrefix, const std::string& crossControl) const
{
    const bool answer = m_session.Showing() == CCrossingSession::Shown::ANSWER;
    const CCrossingGame& game = m_session.Game();
    const CStepScene scene = m_session.Scene();
    val shown = val::object();
    shown.set("mode", std::string(answer ? "answer" : "game"));
    shown.set("title", m_session.Title(titlePrefix));
    shown.set("caption", m_session.Caption());
    shown.set("summary", m_session.Summary());
    shown.set("sentence", m_session.Sentence(crossControl));
    shown.set("timeCounter", m_session.TimeCounter());
    shown.set("rules", RulesValue(m_session.Rules()));
    shown.set("highlightedRule", m_session.HighlightedRule());
    shown.set("tripList", m_session.TripListText());
    // What the boat carries: those aboard, or in the game those chosen to
    // board it.
    const TravellerSet boatLoad = scene.m_aboard != 0 || answer ? scene.m_aboard : game.Chosen();
    shown.set("boatLoad", BoatLoadText(*m_session.Puzzle(), boatLoad));
    shown.set("scene", SceneValue(scene));
    shown.set("places", PlacesValue(*m_session.Puzzle(), scene));
    shown.set("step", m_session.Answer().Step());
    shown.set("lastStep", m_session.Answer().LastStep());
    shown.set("chosen", Travellers(answer ? 0 : game.Chosen()));
    shown.set("concerned", Travellers(answer ? 0 : game.Concerned()));
    shown.set("hinted", Travellers(answer ? 0 : game.Hinted()));
    shown.set("choosable", Travellers(answer ? 0 : m_session.Choosable()));
    shown.set("canCross", !game.IsFinished());
    shown.set("canUndo", game.CanUndo());
    shown.set("canRedo", game.CanRedo());
    return shown;
}

val CPageSession::AnswerScene(int step) const
{
    const CReplayTrack& answer = m_session.Answer();
    return SceneValue(answer.Scene(std::clamp(step, 0, answer.LastStep())));
}

val CPageSession::LastTrip() const
{
    const CCrossingGame& game = m_session.Game();
    val trip = val::object();
    trip.set("before", SceneValue(game.SceneBeforeTrip()));
    trip.set("aboard", SceneValue(game.SceneAboard()));
    trip.set("after", SceneValue(game.Scene()));
    return trip;
}

void CPageSession::Show(const std::string& mode)
{
    m_session.Show(mode == "game" ? CCrossingSession::Shown::GAME : CCrossingSession::Shown::ANSWER);
}

val CPageSession::Position() const
{
    val position = val::object();
    const CPuzzleEntry& entry = m_session.PuzzleEntry(m_session.ChosenPuzzle());
    if (!entry.m_name.empty()) {
        position.set("name", entry.m_name);
    } else {
        // The file's name, as it was given.
        position.set("file", entry.m_path);
        position.set("text", PuzzleFileText(*m_session.Puzzle()));
    }
    if (m_session.Showing() == CCrossingSession::Shown::GAME) {
        val trips = val::array();
        for (TravellerSet trip : m_session.Game().TripsMade())
            trips.call<void>("push", trip);
        position.set("trips", trips);
    } else {
        position.set("step", m_session.Answer().Step());
    }
    return position;
}

bool CPageSession::ReplayTrips(const val& trips)
{
    m_session.Restart();
    for (const TravellerSet trip : emscripten::vecFromJSArray<TravellerSet>(trips)) {
        for (TravellerSet left = trip; left != 0; left &= left - 1)
            m_session.Toggle(std::countr_zero(left));
        if (!m_session.Cross())
            return false;
    }
    return true;
}
