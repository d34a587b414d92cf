#pragma once

// The room's heat balance. Compute reads the eight component fields (and the
// peak values of the glazing and the roof), forms the two totals here and
// writes them unrounded. Each total is checked for a fault on its own, since
// the average is written before the maximum is formed.

#include <array>

namespace kelvora {

inline constexpr int componentCount = 8; // Q1 ... Q8

using ComponentsW = std::array<double, componentCount>; // W, Q1 first

// Q1 + Q2 + ... + Q8, strictly left to right.
[[nodiscard]] double averageTotalW(const ComponentsW& componentsW);

// The same sum with the peak values in the places of Q5 and Q7.
[[nodiscard]] double maximumTotalW(const ComponentsW& componentsW, double q5PeakW, double q7PeakW);

} // namespace kelvora
