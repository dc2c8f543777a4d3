#include "SessionDriver.h"

bool CrossWith(CCrossingSession& session, const std::vector<std::string>& names)
{
    for (const std::string& name : names)
        session.Toggle(session.Puzzle()->TravellerNamed(name));
    return session.Cross();
}
