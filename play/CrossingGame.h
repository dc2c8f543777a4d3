// One game of any puzzle, played trip by trip: the trips made from the
// start, with undo and redo, the travellers chosen for the next trip, and
// what the game says now. Every trip is judged by the puzzle's judge, and
// the hint comes from its exact solution.
#pragma once

#include "play/StepScene.h"
#include "puzzle/PuzzleSolver.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CCrossingGame {
public:
    // Everybody with the boat on the start bank of the solved puzzle.
    explicit CCrossingGame(std::shared_ptr<const CPuzzleSolution> solution);

    const CPuzzle& Puzzle() const { return m_solution->Puzzle(); }
    // The trips made since the start, undone ones left out.
    int Trips() const { return m_position; }
    // The time they took, in a puzzle with times; in trips without.
    std::int64_t Elapsed() const { return m_stops[Index()].m_time; }
    // The trips made, from the first, undone ones left out.
    std::vector<TravellerSet> TripsMade() const;
    // Those across and the bank where the boat is.
    CPuzzleState State() const { return {Across(), BoatSide()}; }
    // PLACE_START or PLACE_ARRIVED.
    int BoatSide() const { return BoatSideAfter(m_position); }
    // The travellers on the far bank.
    TravellerSet Across() const { return m_stops[Index()].m_across; }
    // Those on the bank where the boat is, who can take it.
    TravellerSet OnBoatSide() const { return State().OnBoatSide(Puzzle().Everybody()); }
    bool IsFinished() const { return Across() == Puzzle().Everybody(); }
    // Whether the same travellers were across, with the boat on the same
    // side, after an earlier trip of this game (or at its start).
    bool MetBefore() const;

    // The travellers chosen for the next trip: anybody may be chosen, and
    // the judge says why a choice cannot cross. Nothing is chosen once the
    // game is finished.
    TravellerSet Chosen() const { return m_chosen; }
    void Toggle(int traveller);

    // The chosen travellers cross, if the judge accepts the trip; a refused
    // trip changes nothing but what the game says. Nothing happens once the
    // game is finished. A trip made after an undo ends what could be redone.
    const CPuzzleVerdict& Cross();
    bool CanUndo() const { return m_position > 0; }
    bool CanRedo() const { return Index() + 1 < m_stops.size(); }
    // Take back the last trip, or make again the last one taken back.
    bool Undo();
    bool Redo();
    // Everybody back on the start bank; nothing to redo.
    void Restart();
    // Marks the next trip of a shortest continuation from here.
    const CContinuation& Hint();

    // What the game shows: who the last refusal concerns, who the hint
    // marks (nobody once something else happened), the scene at rest, and
    // the trip that led to it.
    TravellerSet Concerned() const { return m_notice == Notice::REFUSED ? m_verdict.m_concerned : 0; }
    TravellerSet Hinted() const { return m_notice == Notice::HINT ? m_hint.m_trip : 0; }
    CStepScene Scene() const;
    // The scene before the last trip and the scene with its travellers
    // aboard; Scene() without a trip.
    CStepScene SceneBeforeTrip() const;
    CStepScene SceneAboard() const;

    // The last refusal: its verdict, while it is what the game says.
    const CPuzzleVerdict* Refusal() const { return m_notice == Notice::REFUSED ? &m_verdict : nullptr; }

    // The counter, "渡った回数 n　往復回数 x", and the sentence: the last
    // refusal or hint, or else what the last trip did and whether the
    // arrangement was met before, or how the finished game compares with the
    // shortest. At the start it says how to play, naming the control that
    // makes a trip, which the front end calls crossControl.
    std::string Caption() const;
    std::string Sentence(const std::string& crossControl) const;
    // In a puzzle with times, the time counter, "経過 7 分（制限 15 分）";
    // "" without times.
    std::string TimeCounter() const;

    // The fewest trips from the start.
    int ShortestTrips() const { return m_solution->FewestTrips(); }

private:
    enum class Notice { NONE, REFUSED, HINT };
    // Where a trip led: those across after it, who crossed, and the time
    // taken since the start.
    struct CStop {
        TravellerSet m_across = 0;
        TravellerSet m_trip = 0;
        std::int64_t m_time = 0;
    };

    std::size_t Index() const { return static_cast<std::size_t>(m_position); }
    // The groups at each place with those across, and the trip aboard.
    PlaceGroups GroupsAt(int position, TravellerSet aboard) const;
    CStepScene SceneAt(int position) const;
    void Moved(int position);

    std::shared_ptr<const CPuzzleSolution> m_solution;
    std::vector<CStop> m_stops;
    int m_position = 0;
    TravellerSet m_chosen = 0;
    Notice m_notice = Notice::NONE;
    CPuzzleVerdict m_verdict;
    CContinuation m_hint;
};
