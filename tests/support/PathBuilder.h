// Paths of a chosen length and final arrival count, for judging offers. The
// steps below the top need not be legal moves: only the top is judged.
#pragma once

#include "Arrangement.h"
#include "engine/CrossingPath.h"

#include <gtest/gtest.h>

inline CCrossingPath PathEndingWith(int top, int arrived)
{
    CCrossingPath path;
    for (int step = 1; step < top; ++step) {
        // step in binary over the travellers: no arrivals, no repetition.
        std::string places(12, '0');
        for (int t = 0; t < TRAVELLER_COUNT; ++t)
            places[t] = (step >> t) & 1 ? '1' : '0';
        EXPECT_TRUE(path.Push(MakeArrangement(places)));
    }
    if (top > 0) {
        std::string places(12, '0');
        for (int t = 0; t < arrived; ++t)
            places[t] = '2';
        if (arrived == 0)
            places[11] = '3';
        EXPECT_TRUE(path.Push(MakeArrangement(places)));
    }
    EXPECT_EQ(path.Top(), top);
    EXPECT_EQ(path.ArrivedCount(), arrived);
    return path;
}
