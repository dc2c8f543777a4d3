#include "FigureLabels.h"

#include "texts/StepText.h"

std::string TravellerMeasures(const CPuzzle& puzzle, int traveller)
{
    return MeasuresText(puzzle, traveller);
}

std::string BoatLoad(const CPuzzle& puzzle, TravellerSet aboard)
{
    return BoatLoadText(puzzle, aboard);
}
