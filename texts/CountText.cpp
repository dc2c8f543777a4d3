#include "CountText.h"

std::string TripsText(int trips)
{
    return std::to_string(trips) + " 回";
}

std::string SeatsText(int seats)
{
    if (seats == 1)
        return "ひとり";
    if (seats == 2)
        return "ふたり";
    return std::to_string(seats) + " 人";
}

std::string TimeText(std::int64_t time, const std::string& unit)
{
    return std::to_string(time) + " " + unit;
}

std::string PlansText(std::optional<std::uint64_t> plans)
{
    if (!plans)
        return "数えきれません（2^64 通り以上）";
    return std::to_string(*plans) + " 通り";
}
