#pragma once

// The split air conditioners a room is sized for, as they are sold in
// Vietnam: by cooling capacity in BTU/h, named by horsepower (about
// 9 000 BTU/h to 1 HP). The room's maximum load, in BTU/h, picks the
// smallest size that covers it; above the largest, one unit is not enough.

#include <array>
#include <optional>

namespace kelvora {

struct UnitSize {
    double btuPerHour;
    double horsepower; // HP, as the unit is named
};

inline constexpr std::array<UnitSize, 7> splitUnitSizes = {{
    {9000, 1},
    {12000, 1.5},
    {18000, 2},
    {24000, 2.5},
    {28000, 3},
    {36000, 4},
    {48000, 5},
}};

// The smallest size at or above the load; none for a load above the largest
// size, or for none at all (0 or less), or for one that is not a number.
[[nodiscard]] std::optional<UnitSize> suggestedUnit(double loadBtuPerHour);

} // namespace kelvora
