#pragma once

// The room's heat balance. Compute reads the components in the order of the
// main window's list, forms the two totals here and writes them unrounded.
// Which components have a peak value is the caller's knowledge, not this
// module's: a component comes with its peak or without one. Each total is
// checked for a fault on its own, since the average is written before the
// maximum is formed.

#include "Worked.h"

#include <optional>
#include <span>
#include <vector>

namespace kelvora {

// One component as the maximum total reads it, in W.
struct ComponentW {
    double averageW = 0;
    std::optional<double> peakW; // the glazing's and the roof's
};

// The components added strictly left to right, in the order given.
[[nodiscard]] double averageTotalW(std::span<const double> componentsW);

// What each component adds to the maximum total, in order: its peak where it
// has one. Added up (Worked::addedUp), they make the maximum total.
[[nodiscard]] std::vector<double> maximumTermsW(std::span<const ComponentW> components);

// The same sum, each component counted with its peak where it has one.
[[nodiscard]] double maximumTotalW(std::span<const ComponentW> components);

// A load as the units are sold: kW to two places, BTU/h to a whole number,
// each rounded half to even.
inline constexpr double wattsPerKilowatt = 1000.0;
inline constexpr double wattsPerBtuPerHour = 0.29307107;
inline constexpr int kilowattDecimals = 2;

[[nodiscard]] double kilowatts(double loadW);
[[nodiscard]] double btuPerHour(double loadW);

} // namespace kelvora
