#pragma once

// Which room values can be what they claim to be. The formulas compute with
// whatever the user typed; these ranges only decide which values a window
// marks as impossible or implausible, and which results carry that mark.
// A value that is not a number at all (NaN) is left to the misreading notes.

namespace kelvora {

enum class RoomQuantity {
    TemperatureC,
    RelativeHumidityPercent,
    AreaM2,
    People,
    MoistureGPerKg,
    EnthalpyKJPerKg,
};

inline constexpr double absoluteZeroC = -273.15;  // °C: nothing is colder
inline constexpr double hottestAirC = 100.0;      // °C: water boils at sea level
inline constexpr double saturatedPercent = 100.0; // % relative humidity

enum class Implausible {
    None,
    BelowAbsoluteZero, // a temperature
    TooHot,            // a temperature above hottestAirC
    OutsidePercent,    // a relative humidity outside 0 to 100 %
    Negative,          // an area, a moisture content, an enthalpy, people
    Fractional,        // a number of people that is not whole
};

[[nodiscard]] Implausible implausibility(RoomQuantity quantity, double value);

} // namespace kelvora
