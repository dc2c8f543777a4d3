// The best path of a complete search, the same in both modes, as recorded from
// the straightforward search: twelve place digits (traveller 0 first) per step.
#pragma once

#include "Arrangement.h"
#include "engine/CrossingPath.h"

#include <iterator>

inline const char* const RECORDED_SHORTEST_PATH[] = {
    "000000000000", "100000000010", "200000000020", "300000000020", "000000000020", "100100000020", "200200000020",
    "200300000020", "200000000020", "201000100020", "202000200020", "302000200020", "002000200020", "102100200020",
    "202200200020", "203200300020", "200200000020", "210200000021", "220200000022", "230200000022", "200200000022",
    "210201000022", "220202000022", "230202000022", "200202000022", "210202001022", "220202002022", "230202002022",
    "200202002022", "201202102022", "202202202022", "202302202022", "202002202022", "212102202022", "222202202022",
    "232202202022", "202202202022", "202212212022", "202222222022", "202322222022", "202022222022", "212122222022",
    "222222222022", "232222222022", "202222222022", "212222222122", "222222222222",
};

inline constexpr int RECORDED_SHORTEST_TOP = static_cast<int>(std::size(RECORDED_SHORTEST_PATH)) - 1;
// The other solutions as short as the best that a complete search counts
// (別解個数).
inline constexpr int RECORDED_ALTERNATIVES = 16031;

// The recorded path up to and including step top, as the search keeps it.
inline CCrossingPath RecordedPathUpTo(int top = RECORDED_SHORTEST_TOP)
{
    CCrossingPath path;
    for (int step = 1; step <= top; ++step)
        path.Push(MakeArrangement(RECORDED_SHORTEST_PATH[step]));
    return path;
}

// The travellers of trip k of the recorded path, from 1: those aboard at its
// boarding step, 2k - 1.
inline TravellerSet RecordedTrip(int trip)
{
    return AboardIn(CodeOf(MakeArrangement(RECORDED_SHORTEST_PATH[2 * trip - 1])));
}
