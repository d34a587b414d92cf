#pragma once

// Q2, the heat of the lighting: the floor area times a lighting standard. The
// window checks the standard first (only the three tabulated values are
// accepted), then multiplies, then writes the rounded watts into the room.

#include "Worked.h"

#include <string_view>

namespace kelvora {

inline constexpr double lowestLightingStandardWPerM2 = 10.0;  // W/m²
inline constexpr double usualLightingStandardWPerM2 = 11.0;   // W/m²
inline constexpr double highestLightingStandardWPerM2 = 12.0; // W/m²

inline constexpr std::string_view lightingStandardRefusal =
    "Nhap so gia tri tieu chuan chieu sang trong khoang 10-12 W/m2";

// True for exactly 10, 11 or 12 W/m²; 10.5 is not a standard.
[[nodiscard]] bool isLightingStandard(double standardWPerM2);

[[nodiscard]] Worked lightingHeat(double areaM2, double standardWPerM2);
[[nodiscard]] double lightingHeatW(double areaM2, double standardWPerM2);

} // namespace kelvora
