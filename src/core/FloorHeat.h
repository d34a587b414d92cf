#pragma once

// Q8, the heat that passes through the ground floor. The window reads the
// room's length and width and its own two air temperatures; the floor is cut
// here into up to four zones, each with its transmission coefficient, and the
// rounded watts go into the room. Small floors count as one zone.

#include "Worked.h"

namespace kelvora {

// W/m²K of each zone, from the walls inwards.
inline constexpr double zone1CoefficientWPerM2K = 0.5;
inline constexpr double zone2CoefficientWPerM2K = 0.2;
inline constexpr double zone3CoefficientWPerM2K = 0.1;
inline constexpr double zone4CoefficientWPerM2K = 0.07;

// Zone I is a strip along the walls: (length + width) × 4 m².
inline constexpr double zone1PerimeterFactorM = 4.0;
inline constexpr double zone1LimitM2 = 48.0;   // up to here the floor is one zone
inline constexpr double zone3OffsetM2 = 80.0;  // zone III is zone I less this
inline constexpr double zone4OffsetM2 = 128.0; // zone IV is the floor + this − 3 × zone I
inline constexpr double zone4Zone1Multiple = 3.0;

// The zone areas in m², which always add up to the floor area. Zones II to IV
// come out negative (or 0) where the floor has no such zone.
struct FloorZones {
    double zone1M2 = 0;
    double floorM2 = 0;
    double zone2M2 = 0;
    double zone3M2 = 0;
    double zone4M2 = 0;
};

[[nodiscard]] FloorZones floorZones(double lengthM, double widthM);

struct Floor {
    double lengthM = 0;
    double widthM = 0;
    double outdoorC = 0; // °C
    double indoorC = 0;  // °C
};

// The zones' heat at the temperature difference t_out − t_in. Five rules are
// tried in turn, and each one that holds replaces the value of those before
// it: below 48 m² of zone I the whole floor counts at 0.5, at exactly 48 the
// zone I area does; above, zones II, III and IV join as far as they are
// positive, and where zone III is absent but zone IV is not, the last rule's
// value stands with zone III's negative area in its sum.
// The working names the zone areas and Δt first, then the rule's sum.
[[nodiscard]] Worked floorHeat(const Floor& floor);
[[nodiscard]] double floorHeatW(const Floor& floor);

} // namespace kelvora
