// Drives the engine's public operations with arbitrary arguments in arbitrary
// order and checks, after every call, that the objects stay valid and that
// each call did exactly what the puzzle's rules say: refused calls change
// nothing, accepted ones change only what they must. The rules and the
// status's decisions are worked out here a second time, independently, and
// compared. Any violation aborts with a description on standard error.
//
// Built as a libFuzzer target with clang, and with any compiler together with
// ReplayMain.cpp, which runs the inputs of the corpus folder as a test.

#include "FuzzRequire.h"
#include "engine/CrossingPath.h"
#include "engine/CrossingState.h"
#include "engine/SolverStatus.h"

#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

const char* const FUZZ_TARGET_NAME = "engine fuzz";

namespace {

// Reads the fuzz input as a sequence of choices; past its end every choice
// is 0.
class CChoices {
public:
    CChoices(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    bool Done() const { return m_pos >= m_size; }

    std::uint8_t Byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }

    // Any int, mostly near the ranges that matter (indices, places, steps,
    // just outside them), sometimes an extreme or a raw 32-bit value.
    int Int()
    {
        const std::uint8_t code = Byte();
        if (code < 0xF0)
            return static_cast<int>(code % 128) - 16; // -16 .. 111
        switch (code) {
        case 0xF0:
            return INT_MIN;
        case 0xF1:
            return INT_MAX;
        case 0xF2:
            return INT_MIN + 1;
        case 0xF3:
            return INT_MAX - 1;
        default: {
            std::uint32_t raw = 0;
            for (int i = 0; i < 4; ++i)
                raw = (raw << 8) | Byte();
            int value;
            std::memcpy(&value, &raw, sizeof value);
            return value;
        }
        }
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

constexpr int STATE_COUNT = 4;
constexpr int PATH_COUNT = 3;

// The places of an arrangement, read through the public interface.
struct CPlaces {
    int m_at[TRAVELLER_COUNT];
};

CPlaces PlacesOf(const CCrossingState& state)
{
    CPlaces places;
    for (int t = 0; t < TRAVELLER_COUNT; ++t)
        places.m_at[t] = state.GetPlace(t);
    return places;
}

CPlaces PlacesAt(const CCrossingPath& path, int step)
{
    CPlaces places;
    for (int t = 0; t < TRAVELLER_COUNT; ++t)
        places.m_at[t] = path.GetPlaceAt(step, t);
    return places;
}

bool SamePlaces(const CPlaces& a, const CPlaces& b)
{
    return std::memcmp(a.m_at, b.m_at, sizeof a.m_at) == 0;
}

int CountPlace(const CPlaces& places, int place)
{
    int count = 0;
    for (int p : places.m_at)
        count += p == place ? 1 : 0;
    return count;
}

// Same top and same arrangements up to it.
bool SamePath(const CCrossingPath& a, const CCrossingPath& b)
{
    if (a.Top() != b.Top())
        return false;
    for (int step = 0; step <= a.Top(); ++step) {
        if (!SamePlaces(PlacesAt(a, step), PlacesAt(b, step)))
            return false;
    }
    return true;
}

// The safety rules, worked out from the places alone.
bool RulesAllow(const CPlaces& p)
{
    auto together = [&p](int a, int b) { return p.m_at[a] == p.m_at[b]; };
    auto hasCompany = [&p](int a) { return CountPlace(p, p.m_at[a]) > 1; };
    bool anyAboard = false;
    bool operatorAboard = false;
    for (int t = 0; t < TRAVELLER_COUNT; ++t) {
        if (p.m_at[t] == PLACE_GOING || p.m_at[t] == PLACE_RETURNING) {
            anyAboard = true;
            operatorAboard = operatorAboard || t < OPERATOR_COUNT;
        }
    }
    if (anyAboard && !operatorAboard)
        return false;
    if (!together(0, 1) && together(0, 9))
        return false;
    if (!together(1, 0) && together(1, 10))
        return false;
    if (!together(3, 0) && !together(3, 1) && (together(3, 9) || together(3, 10) || together(3, 11)))
        return false;
    if (!together(4, 3) && !together(4, 7))
        return false;
    if (!together(7, 3) && !together(7, 4) && hasCompany(7))
        return false;
    if (!together(6, 2) && hasCompany(6))
        return false;
    if (!together(9, 0) && !together(9, 1) && together(9, 11))
        return false;
    if (!together(10, 0) && !together(10, 1) && together(10, 11))
        return false;
    return true;
}

// An arrangement with the given places, built with the public moves only.
// CPlaces are taken modulo 4.
CCrossingState Arrange(const int (&wanted)[TRAVELLER_COUNT])
{
    CCrossingState state;
    for (int t = 0; t < TRAVELLER_COUNT; ++t) {
        if (wanted[t] % 4 >= PLACE_ARRIVED)
            state.Board(t, PLACE_GOING);
    }
    state.Land();
    for (int t = 0; t < TRAVELLER_COUNT; ++t) {
        if (wanted[t] % 4 == PLACE_GOING)
            state.Board(t, PLACE_GOING);
        else if (wanted[t] % 4 == PLACE_RETURNING)
            state.Board(t, PLACE_RETURNING);
    }
    return state;
}

// What the status should hold, kept alongside it.
struct CStatusModel {
    CCrossingPath m_best;
    bool m_changed = true;
    int m_alternatives = 0;
    int m_progressMax = 100;
    int m_progressPos = 0;
};

class CWorld {
public:
    void Run(CChoices& in)
    {
        CheckAll(true);
        while (!in.Done()) {
            m_touched = nullptr;
            Step(in);
            CheckAll(false);
        }
        CheckAll(true);
    }

private:
    enum Op {
        OP_BOARD,
        OP_LAND,
        OP_IS_SAFE,
        OP_COUNT_AT,
        OP_GET_PLACE,
        OP_EQUALS,
        OP_COPY_STATE,
        OP_ARRANGE,
        OP_PUSH,
        OP_POP,
        OP_GET_PLACE_AT,
        OP_IS_PROGRESSING,
        OP_ARRIVED_COUNT,
        OP_FILL,
        OP_COPY_PATH,
        OP_OFFER,
        OP_SET_PROGRESS_RANGE,
        OP_STEP_PROGRESS,
        OP_TAKE_BEST,
        OP_TOGGLE_ALTERNATIVES,
        OP_COUNT
    };

    void Step(CChoices& in)
    {
        const int op = in.Byte() % OP_COUNT;
        switch (op) {
        case OP_BOARD: {
            CCrossingState& state = m_states[in.Byte() % STATE_COUNT];
            const int traveller = in.Int();
            const int action = in.Int();
            Board(state, traveller, action);
            break;
        }
        case OP_LAND: {
            CCrossingState& state = m_states[in.Byte() % STATE_COUNT];
            const CPlaces before = PlacesOf(state);
            state.Land();
            const CPlaces after = PlacesOf(state);
            for (int t = 0; t < TRAVELLER_COUNT; ++t) {
                const int expected = before.m_at[t] == PLACE_GOING       ? PLACE_ARRIVED
                                     : before.m_at[t] == PLACE_RETURNING ? PLACE_START
                                                                         : before.m_at[t];
                Require(after.m_at[t] == expected, "Land moved a traveller wrongly", t, after.m_at[t]);
            }
            break;
        }
        case OP_IS_SAFE: {
            const CCrossingState& state = m_states[in.Byte() % STATE_COUNT];
            const BOOL safe = state.IsSafe();
            Require(safe == TRUE || safe == FALSE, "IsSafe returned a non-BOOL", safe);
            Require((safe == TRUE) == RulesAllow(PlacesOf(state)), "IsSafe disagrees with the rules", safe);
            break;
        }
        case OP_COUNT_AT: {
            const CCrossingState& state = m_states[in.Byte() % STATE_COUNT];
            const int place = in.Int();
            Require(state.CountAt(place) == CountPlace(PlacesOf(state), place), "CountAt miscounts", place,
                    state.CountAt(place));
            break;
        }
        case OP_GET_PLACE: {
            const CCrossingState& state = m_states[in.Byte() % STATE_COUNT];
            const int traveller = in.Int();
            const int place = state.GetPlace(traveller);
            if (traveller < 0 || traveller >= TRAVELLER_COUNT)
                Require(place == PLACE_UNKNOWN, "GetPlace outside the travellers is not 4", traveller, place);
            else
                Require(place >= PLACE_START && place <= PLACE_RETURNING, "stored place out of range", traveller,
                        place);
            break;
        }
        case OP_EQUALS: {
            const CCrossingState& a = m_states[in.Byte() % STATE_COUNT];
            const CCrossingState& b = m_states[in.Byte() % STATE_COUNT];
            const bool same = SamePlaces(PlacesOf(a), PlacesOf(b));
            Require(a.Equals(b) == (same ? TRUE : FALSE), "Equals disagrees with the places", a.Equals(b));
            Require(b.Equals(a) == a.Equals(b), "Equals is not symmetric");
            Require(a.Equals(a) == TRUE, "an arrangement differs from itself");
            break;
        }
        case OP_COPY_STATE: {
            CCrossingState& to = m_states[in.Byte() % STATE_COUNT];
            const CCrossingState& from = m_states[in.Byte() % STATE_COUNT];
            to = from;
            Require(to.Equals(from) == TRUE, "a copied arrangement differs");
            break;
        }
        case OP_ARRANGE: {
            CCrossingState& state = m_states[in.Byte() % STATE_COUNT];
            int wanted[TRAVELLER_COUNT];
            for (int& place : wanted)
                place = in.Byte() % 4;
            state = Arrange(wanted);
            for (int t = 0; t < TRAVELLER_COUNT; ++t)
                Require(state.GetPlace(t) == wanted[t], "Board and Land cannot build an arrangement", t);
            break;
        }
        case OP_PUSH: {
            CCrossingPath& path = Touch(m_paths[in.Byte() % PATH_COUNT]);
            Push(path, m_states[in.Byte() % STATE_COUNT]);
            break;
        }
        case OP_POP: {
            CCrossingPath& path = Touch(m_paths[in.Byte() % PATH_COUNT]);
            const CCrossingPath before = path;
            const BOOL popped = path.Pop();
            Require(popped == (before.Top() > 0 ? TRUE : FALSE), "Pop accepted or refused wrongly", before.Top(),
                    popped);
            if (popped) {
                Require(path.Top() == before.Top() - 1, "Pop did not lower the top", path.Top());
                RequireSameBelow(path, before, path.Top(), "Pop changed a step");
            } else {
                Require(SamePath(path, before), "a refused Pop changed the path");
            }
            break;
        }
        case OP_GET_PLACE_AT: {
            const CCrossingPath& path = m_paths[in.Byte() % PATH_COUNT];
            const int step = in.Int();
            const int traveller = in.Int();
            const int place = path.GetPlaceAt(step, traveller);
            if (step < 0 || step > path.Top() || traveller < 0 || traveller >= TRAVELLER_COUNT)
                Require(place == PLACE_UNKNOWN, "GetPlaceAt outside the path is not 4", step, traveller);
            else
                Require(place >= PLACE_START && place <= PLACE_RETURNING, "stored place out of range", step, place);
            break;
        }
        case OP_IS_PROGRESSING: {
            const CCrossingPath& path = m_paths[in.Byte() % PATH_COUNT];
            const int top = path.Top();
            const int arrived = CountPlace(PlacesAt(path, top), PLACE_ARRIVED);
            bool expected;
            if (arrived >= TRAVELLER_COUNT)
                expected = false;
            else if (top < 8)
                expected = true;
            else
                expected = arrived > CountPlace(PlacesAt(path, top - 8), PLACE_ARRIVED);
            Require(path.IsProgressing() == (expected ? TRUE : FALSE), "IsProgressing disagrees", top, arrived);
            break;
        }
        case OP_ARRIVED_COUNT: {
            const CCrossingPath& path = m_paths[in.Byte() % PATH_COUNT];
            Require(path.ArrivedCount() == CountPlace(PlacesAt(path, path.Top()), PLACE_ARRIVED),
                    "ArrivedCount miscounts", path.ArrivedCount());
            break;
        }
        case OP_FILL: {
            // Many pushes at once, so that the top reaches its limit quickly.
            CCrossingPath& path = Touch(m_paths[in.Byte() % PATH_COUNT]);
            const int count = in.Byte();
            const unsigned seed = in.Byte();
            for (int i = 0; i < count; ++i) {
                unsigned bits = (seed << 8) ^ (static_cast<unsigned>(i) * 2654435761u);
                int wanted[TRAVELLER_COUNT];
                for (int& place : wanted) {
                    place = static_cast<int>(bits & 3);
                    bits = (bits >> 2) | (bits << 30);
                }
                // One refusal of a full path is enough.
                const bool wasFull = path.Top() >= PATH_CAPACITY - 1;
                Push(path, Arrange(wanted));
                if (wasFull)
                    break;
            }
            break;
        }
        case OP_COPY_PATH: {
            CCrossingPath& to = Touch(m_paths[in.Byte() % PATH_COUNT]);
            const CCrossingPath& from = m_paths[in.Byte() % PATH_COUNT];
            to = from;
            Require(SamePath(to, from), "a copied path differs");
            break;
        }
        case OP_OFFER:
            Offer(m_paths[in.Byte() % PATH_COUNT]);
            break;
        case OP_SET_PROGRESS_RANGE: {
            const int max = in.Int();
            m_status.SetProgressRange(max);
            if (max > 0) {
                m_model.m_progressMax = max;
                m_model.m_progressPos = 0;
            }
            break;
        }
        case OP_STEP_PROGRESS:
            m_status.StepProgress();
            if (m_model.m_progressPos < m_model.m_progressMax)
                ++m_model.m_progressPos;
            break;
        case OP_TAKE_BEST: {
            CCrossingPath& out = Touch(m_paths[in.Byte() % PATH_COUNT]);
            const CCrossingPath before = out;
            const BOOL taken = m_status.TakeBestIfChanged(out);
            Require(taken == (m_model.m_changed ? TRUE : FALSE), "TakeBestIfChanged flag wrong", taken);
            if (taken) {
                Require(out.Top() >= 0 && out.Top() < PATH_CAPACITY, "taken best's top out of range", out.Top());
                Require(SamePath(out, m_model.m_best), "taken best is not the best offered");
                m_model.m_changed = false;
            } else {
                Require(SamePath(out, before), "TakeBestIfChanged without a change touched its argument");
            }
            break;
        }
        case OP_TOGGLE_ALTERNATIVES:
            m_status.m_countAlternatives = m_status.m_countAlternatives ? FALSE : TRUE;
            break;
        default:
            break;
        }
    }

    CCrossingPath& Touch(CCrossingPath& path)
    {
        m_touched = &path;
        return path;
    }

    // The steps up to last are as before: the first one and the few just
    // below last, where a move that went astray would write, are compared.
    static void RequireSameBelow(const CCrossingPath& path, const CCrossingPath& before, int last, const char* what)
    {
        for (int step = 0; step <= last; step = step == 0 && last > 4 ? last - 4 : step + 1)
            Require(SamePlaces(PlacesAt(path, step), PlacesAt(before, step)), what, step);
    }

    void Board(CCrossingState& state, int traveller, int action)
    {
        const CPlaces before = PlacesOf(state);
        const BOOL boarded = state.Board(traveller, action);
        const bool allowed = traveller >= 0 && traveller < TRAVELLER_COUNT &&
                             ((action == PLACE_GOING && before.m_at[traveller] == PLACE_START) ||
                              (action == PLACE_RETURNING && before.m_at[traveller] == PLACE_ARRIVED));
        Require(boarded == (allowed ? TRUE : FALSE), "Board accepted or refused wrongly", traveller, action);
        const CPlaces after = PlacesOf(state);
        for (int t = 0; t < TRAVELLER_COUNT; ++t) {
            const int expected = boarded && t == traveller ? action : before.m_at[t];
            Require(after.m_at[t] == expected, boarded ? "Board moved the wrong traveller" : "a refused Board changed",
                    t, after.m_at[t]);
        }
    }

    void Push(CCrossingPath& path, const CCrossingState& candidate)
    {
        const CCrossingPath before = path;
        const int top = before.Top();
        const CPlaces wanted = PlacesOf(candidate);
        bool allowed = top < PATH_CAPACITY - 1;
        for (int k = (top + 1) % 4; allowed && k < top; k += 4)
            allowed = !SamePlaces(PlacesAt(before, k), wanted);
        const BOOL pushed = path.Push(candidate);
        Require(pushed == (allowed ? TRUE : FALSE), "Push accepted or refused wrongly", top, pushed);
        if (pushed) {
            Require(path.Top() == top + 1, "Push did not raise the top", path.Top());
            Require(SamePlaces(PlacesAt(path, top + 1), wanted), "Push stored another arrangement");
            RequireSameBelow(path, before, top, "Push changed a step");
        } else {
            Require(SamePath(path, before), "a refused Push changed the path", top);
        }
    }

    void Offer(const CCrossingPath& current)
    {
        const int bestArrived = CountPlace(PlacesAt(m_model.m_best, m_model.m_best.Top()), PLACE_ARRIVED);
        const int bestTop = m_model.m_best.Top();
        const int curArrived = CountPlace(PlacesAt(current, current.Top()), PLACE_ARRIVED);
        const int curTop = current.Top();
        const bool countAlternatives = m_status.m_countAlternatives != FALSE;

        bool expected;
        if (curArrived > bestArrived || (curArrived == bestArrived && curTop < bestTop)) {
            m_model.m_best = current;
            m_model.m_changed = true;
            m_model.m_alternatives = 0;
            expected = true;
        } else if (curArrived == TRAVELLER_COUNT) {
            if (countAlternatives && curTop == bestTop)
                ++m_model.m_alternatives;
            expected = false;
        } else if (bestArrived < TRAVELLER_COUNT) {
            expected = true;
        } else {
            const int bound = curTop + 4 * (TRAVELLER_COUNT - curArrived);
            expected = bound < bestTop || (countAlternatives && bound == bestTop);
        }
        const BOOL result = m_status.OfferPath(current);
        Require(result == (expected ? TRUE : FALSE), "OfferPath decided wrongly", curTop, curArrived);
    }

    static void CheckPath(const CCrossingPath& path)
    {
        const int top = path.Top();
        Require(top >= 0 && top < PATH_CAPACITY, "path top out of range", top);
        for (int t = 0; t < TRAVELLER_COUNT; ++t)
            Require(path.GetPlaceAt(0, t) == PLACE_START, "the first step is not the initial arrangement", t);
        for (int step = 0; step <= top; ++step) {
            for (int t = 0; t < TRAVELLER_COUNT; ++t) {
                const int place = path.GetPlaceAt(step, t);
                Require(place >= PLACE_START && place <= PLACE_RETURNING, "stored place out of range", step, place);
            }
        }
        Require(path.GetPlaceAt(top + 1, 0) == PLACE_UNKNOWN, "a step above the top is readable", top);
        Require(path.GetPlaceAt(-1, 0) == PLACE_UNKNOWN, "step -1 is readable");
    }

    // Every object's invariants. Paths are read step by step only when full
    // is set or when the last operation changed them; otherwise only their
    // ends are read.
    static void CheckPathEnds(const CCrossingPath& path)
    {
        const int top = path.Top();
        Require(top >= 0 && top < PATH_CAPACITY, "path top out of range", top);
        for (int t = 0; t < TRAVELLER_COUNT; ++t) {
            Require(path.GetPlaceAt(0, t) == PLACE_START, "the first step is not the initial arrangement", t);
            const int place = path.GetPlaceAt(top, t);
            Require(place >= PLACE_START && place <= PLACE_RETURNING, "stored place out of range", top, place);
        }
    }

    void CheckAll(bool full)
    {
        for (const CCrossingState& state : m_states) {
            int total = 0;
            for (int t = 0; t < TRAVELLER_COUNT; ++t) {
                const int place = state.GetPlace(t);
                Require(place >= PLACE_START && place <= PLACE_RETURNING, "stored place out of range", t, place);
            }
            for (int place = PLACE_START; place <= PLACE_RETURNING; ++place)
                total += state.CountAt(place);
            Require(total == TRAVELLER_COUNT, "the places do not add up to twelve", total);
        }
        for (const CCrossingPath& path : m_paths) {
            if (full || &path == m_touched)
                CheckPath(path);
            else
                CheckPathEnds(path);
        }

        const int max = m_status.m_progressMax;
        const int pos = m_status.m_progressPos;
        Require(max > 0, "progress range not positive", max);
        Require(pos >= 0 && pos <= max, "progress position outside the range", pos, max);
        Require(max == m_model.m_progressMax && pos == m_model.m_progressPos, "progress differs from what was asked",
                max, pos);
        Require(m_status.m_alternatives == m_model.m_alternatives, "alternatives miscounted", m_status.m_alternatives,
                m_model.m_alternatives);
        Require(m_status.m_trials == 0, "trials counted outside a search", m_status.m_trials);
        Require(m_status.m_finished == FALSE, "finished without a search");
    }

    CCrossingState m_states[STATE_COUNT];
    CCrossingPath m_paths[PATH_COUNT];
    CSolverStatus m_status;
    CStatusModel m_model;
    const CCrossingPath* m_touched = nullptr;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CChoices choices(data, size);
    CWorld world;
    world.Run(choices);
    return 0;
}
