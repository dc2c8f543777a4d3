#include "JsonTexts.h"

#include "puzzle/TripWords.h"
#include "texts/DisplayText.h"

Json NamesJson(const CPuzzle& puzzle, TravellerSet travellers)
{
    Json names = Json::array();
    for (int traveller = 0; traveller < puzzle.TravellerCount(); ++traveller) {
        if ((travellers & TravellerBit(traveller)) != 0)
            names.push_back(puzzle.NameOf(traveller));
    }
    return names;
}

Json TripJson(const CPuzzle& puzzle, int number, TravellerSet travellers)
{
    Json trip;
    trip["trip"] = number;
    trip["direction"] = DirectionWord(DirectionOfTrip(number));
    trip["travellers"] = NamesJson(puzzle, travellers);
    return trip;
}
