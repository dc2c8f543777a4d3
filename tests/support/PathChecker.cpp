#include "PathChecker.h"

#include "Arrangement.h"

namespace {

std::string StepFault(int step, const std::string& what)
{
    return "step " + std::to_string(step) + ": " + what;
}

CCrossingState StateAt(const CCrossingPath& path, int step)
{
    std::string places;
    for (int t = 0; t < TRAVELLER_COUNT; ++t)
        places += static_cast<char>('0' + path.GetPlaceAt(step, t));
    return MakeArrangement(places);
}

std::string CheckBoarding(const CCrossingState& before, const CCrossingState& after, int step)
{
    const bool outbound = step % STEPS_PER_ROUND_TRIP == 1;
    const int from = outbound ? PLACE_START : PLACE_ARRIVED;
    const int aboard = outbound ? PLACE_GOING : PLACE_RETURNING;
    int boarded = 0;
    for (int t = 0; t < TRAVELLER_COUNT; ++t) {
        const int was = before.GetPlace(t);
        const int is = after.GetPlace(t);
        if (was == is)
            continue;
        if (was != from || is != aboard)
            return StepFault(step, "traveller " + std::to_string(t) + " moved from " + std::to_string(was) + " to " +
                                       std::to_string(is));
        ++boarded;
    }
    if (boarded < 1 || boarded > 2)
        return StepFault(step, std::to_string(boarded) + " travellers boarded");
    if (!after.IsSafe())
        return StepFault(step, "unsafe boarding " + PlacesOf(after));
    return {};
}

} // namespace

std::string CheckPath(const CCrossingPath& path)
{
    const int top = path.Top();
    if (top < 0 || top >= PATH_CAPACITY)
        return "top " + std::to_string(top) + " out of bounds";
    if (!StateAt(path, 0).Equals(CCrossingState()))
        return StepFault(0, "not the initial arrangement");

    for (int step = 1; step <= top; ++step) {
        const CCrossingState before = StateAt(path, step - 1);
        const CCrossingState after = StateAt(path, step);
        if (step % 2 == 1) {
            const std::string fault = CheckBoarding(before, after, step);
            if (!fault.empty())
                return fault;
        } else {
            CCrossingState landed = before;
            landed.Land();
            if (!landed.Equals(after))
                return StepFault(step, "not the landing of the step before");
        }
        for (int earlier = step % STEPS_PER_ROUND_TRIP; earlier < step; earlier += STEPS_PER_ROUND_TRIP) {
            if (StateAt(path, earlier).Equals(after))
                return StepFault(step, "repeats step " + std::to_string(earlier));
        }
    }
    return {};
}
