#pragma once

#include "Alignment.h"

namespace turvane::check {

// A graded race belongs in the column of the meeting at its racecourse.
void CheckRacePlaces(const Checker& meetings, Checker& races,
                     const std::vector<Alignment::Pair>& days);

} // namespace turvane::check
