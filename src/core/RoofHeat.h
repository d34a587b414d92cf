#pragma once

// Q7, the heat that the sun on the roof brings in, for a flat and a vaulted
// roof part. The window reads its eight fields once and runs one pass here
// for each radiation constant: the peak pass first, whose result it writes
// before the average pass begins. Each part's outer surface is taken at its
// equivalent temperature, the outdoor air warmed by the radiation it absorbs.

#include "Worked.h"

namespace kelvora {

inline constexpr double peakRoofRadiationWPerM2 = 789.0;    // W/m², for the peak value
inline constexpr double averageRoofRadiationWPerM2 = 405.0; // W/m², for the average value
// W/m²K at the roof's outer surface: turns the absorbed radiation into degrees.
inline constexpr double outerSurfaceCoefficientWPerM2K = 17.6;
inline constexpr double roofFactor = 0.78; // multiplies area × heat-transfer coefficient

struct RoofPart {
    double areaM2 = 0;
    double transferWPerM2K = 0; // heat-transfer coefficient
    double absorption = 0;      // of the surface material, 0 to 1
};

struct Roof {
    RoofPart flat;
    RoofPart vaulted;
    double outdoorC = 0; // °C
    double indoorC = 0;  // °C
};

// One pass: each part's (area × k) × 0.78 times the difference between its
// equivalent temperature t_out + (absorption × radiation) / 17.6 and the
// indoor air; the vaulted part's gain plus the flat part's.
[[nodiscard]] Worked roofHeat(const Roof& roof, double radiationWPerM2);
[[nodiscard]] double roofHeatW(const Roof& roof, double radiationWPerM2);

} // namespace kelvora
