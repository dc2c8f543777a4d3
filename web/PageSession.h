// The crossing session (play/CrossingSession.h) as the page's script
// drives it: one session over the shipped puzzles compiled in, what there
// is to draw as plain JavaScript values, and each input as the script
// passes it on. Every decision is the session's, and every text comes from
// it or from texts/; this class only translates.
#pragma once

#include "play/CrossingSession.h"

#include <emscripten/val.h>

#include <string>

class CPageSession {
public:
    CPageSession();

    // The puzzles to choose from: { name, title, label } each, the built-in
    // one first, labelled with their best; and which one is chosen.
    emscripten::val Puzzles() const;
    int ChosenPuzzle() const { return m_session.ChosenPuzzle(); }
    bool ChoosePuzzle(int index) { return m_session.ChoosePuzzle(index); }

    // Opens a puzzle file given by the user, as its name and its bytes, or
    // a link's puzzle by its name or its file; "" when it opened, or else
    // why it cannot be used, and nothing changes.
    std::string OpenGivenFile(const std::string& file, const std::string& bytes);
    std::string OpenLinkedName(const std::string& name);
    std::string OpenLinkedFile(const std::string& file, const std::string& bytes);
    // What a link whose puzzle cannot be unpacked says.
    static std::string UnreadableLink();

    // The chosen puzzle as the picture draws it: { title, banks, boat,
    // seats, travellers: [{ name, rows, look, type, measures }] }, measures
    // being what is written under a name, its weight and time.
    emscripten::val Puzzle() const;
    // Everything else there is to show, the sentences naming the control
    // that makes a trip as the page calls it: titles, counters, the scene,
    // the places with who is there, the step, the game's marks and what it
    // allows, the statement of the puzzle with the line a refusal points
    // at, what the boat carries, and the trips as a list. Sets of
    // travellers are arrays of their indices.
    emscripten::val Shown(const std::string& titlePrefix, const std::string& crossControl) const;
    // The scenes an animation runs through: a step of the answer, and the
    // game's last trip, { before, aboard, after }.
    emscripten::val AnswerScene(int step) const;
    emscripten::val LastTrip() const;

    // "answer" or "game".
    void Show(const std::string& mode);
    bool GoToStep(int step) { return m_session.GoToStep(step); }
    bool StartPlaying() { return m_session.StartPlaying(); }

    void Toggle(int traveller) { m_session.Toggle(traveller); }
    bool Cross() { return m_session.Cross(); }
    bool Undo() { return m_session.Undo(); }
    bool Redo() { return m_session.Redo(); }
    void Restart() { m_session.Restart(); }
    void Hint() { m_session.Hint(); }

    // Where the player is, for a link: { name } for a puzzle that a name
    // finds, else { file, text }, the puzzle written as a file; with
    // { trips }, who crossed in each trip of the game, or { step } of the
    // answer.
    emscripten::val Position() const;
    // The game from its start with the trips of a link, each a set of
    // travellers; it stops at the first that the judge refuses, and the
    // game then says why. Whether every trip was made.
    bool ReplayTrips(const emscripten::val& trips);

private:
    CShippedPuzzles m_shipped;
    CCrossingSession m_session;
};
