#pragma once

// The room's heat balance. Compute reads the components in the order of the
// main window's list, forms the two totals here and writes them unrounded.
// Which components have a peak value is the caller's knowledge, not this
// module's: a component comes with its peak or without one. Each total is
// checked for a fault on its own, since the average is written before the
// maximum is formed.

#include <optional>
#include <span>

namespace kelvora {

// One component as the maximum total reads it, in W.
struct ComponentW {
    double averageW = 0;
    std::optional<double> peakW; // the glazing's and the roof's
};

// The components added strictly left to right, in the order given.
[[nodiscard]] double averageTotalW(std::span<const double> componentsW);

// The same sum, each component counted with its peak where it has one.
[[nodiscard]] double maximumTotalW(std::span<const ComponentW> components);

} // namespace kelvora
