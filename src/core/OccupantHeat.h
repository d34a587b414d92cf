#pragma once

// Q3, the heat of the people in the room. The window reads the counts of
// adults and children and the heat per person of the picked activity, forms
// each group's heat here, then the total, and writes the rounded watts into
// the room. Half of each group counts at the full heat per person and half at
// a share of it, and a child counts at a weight of an adult; the operations
// keep their established order, since the result is rounded afterwards and a
// regrouped sum can land on the other side of a half.

#include "Worked.h"

namespace kelvora {

// Heat given off by one person, W, for each activity the window offers.
inline constexpr double sedentaryHeatWPerPerson = 80.0;     // at rest
inline constexpr double lightWorkHeatWPerPerson = 120.0;    // light work
inline constexpr double moderateWorkHeatWPerPerson = 170.0; // moderate work
inline constexpr double heavyWorkHeatWPerPerson = 250.0;    // heavy work
inline constexpr double diningHeatWPerPerson = 125.0;       // dining rooms, hotels
inline constexpr double danceHallHeatWPerPerson = 190.0;    // dance halls

inline constexpr double groupHalves = 2.0;      // each group is split in two halves
inline constexpr double secondHalfShare = 0.85; // of the full heat, for the second half
inline constexpr double childWeight = 0.75;     // a child's heat against an adult's

// (people / 2) × q + ((q × 0.85) × people) / 2, in this order.
[[nodiscard]] Worked occupantGroupHeat(double people, double heatWPerPerson);
[[nodiscard]] double occupantGroupHeatW(double people, double heatWPerPerson);

// children × 0.75 + adults: the children's heat is weighted first.
[[nodiscard]] Worked occupantHeat(const Worked& adultsHeat, const Worked& childrenHeat);
[[nodiscard]] double occupantHeatW(double adultsHeatW, double childrenHeatW);

} // namespace kelvora
