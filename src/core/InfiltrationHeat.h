#pragma once

// Q4, the heat of the outside air that leaks into the room. The window reads
// the room's volume, turns it here into the air flow, checks that, then hands
// it back with the two enthalpies for the heat, and writes the rounded watts
// into the room.

#include "Worked.h"

namespace kelvora {

// kg of outside air an hour per m³ of room. The factor is not the double
// nearest to 1.8 (bit pattern 3FFCCCCCCCCCCCCD) but the one just below it
// (3FFCCCCCCCCCCCCC), the value the results of this calculation have always
// been computed with: where 1.8 would give an exact half (1 m³ between
// enthalpies 13 and 10 gives 1.5 W), this factor gives a value just below it,
// which rounds down. Written in hexadecimal so that no decimal conversion can
// move it.
inline constexpr double airFlowFactorKgPerM3H = 0x1.CCCCCCCCCCCCCp+0; // 1.7999999999999998

inline constexpr double secondsPerHour = 3600.0;
inline constexpr double joulesPerKilojoule = 1000.0;

// (volume × factor) / 3600: the leaking air in kg/s.
[[nodiscard]] Worked infiltrationAirFlow(double volumeM3);
[[nodiscard]] double infiltrationAirFlowKgPerS(double volumeM3);

// ((h_out − h_in) × flow) × 1000; enthalpies in kJ per kg of dry air.
[[nodiscard]] Worked infiltrationHeat(double outdoorEnthalpyKJPerKg, double indoorEnthalpyKJPerKg,
                                      const Worked& airFlowKgPerS);
[[nodiscard]] double infiltrationHeatW(double outdoorEnthalpyKJPerKg, double indoorEnthalpyKJPerKg,
                                       double airFlowKgPerS);

} // namespace kelvora
