#pragma once

// Which values can be what they claim to be, and which no real building has.
// The formulas compute with whatever the user typed; these ranges only decide
// which values a window marks, as impossible or as unusual, and which results
// carry that mark. A value that is not a number at all (NaN) is left to the
// misreading notes.

namespace kelvora {

enum class RoomQuantity {
    OutdoorTemperatureC,
    IndoorTemperatureC, // of an air-conditioned room
    RelativeHumidityPercent,
    AreaM2,
    People,
    MoistureGPerKg,
    EnthalpyKJPerKg,
    HeatTransferWPerM2K, // a wall's, a window's, a door's, a ceiling's, a floor's or a roof's
    Absorption,          // of a roof's surface, a fraction of the radiation
};

inline constexpr double absoluteZeroC = -273.15;  // °C: nothing is colder
inline constexpr double hottestAirC = 100.0;      // °C: water boils at sea level
inline constexpr double saturatedPercent = 100.0; // % relative humidity

// What real buildings have. Outdoor air from a cold night in the mountains to
// the hottest day on record here; indoor air as rooms are conditioned.
inline constexpr double coldestOutdoorC = -10.0;    // °C
inline constexpr double hottestOutdoorC = 50.0;     // °C
inline constexpr double coolestIndoorC = 16.0;      // °C
inline constexpr double warmestIndoorC = 32.0;      // °C
inline constexpr double lowestHeatTransfer = 0.1;   // W/m²K: a thick layer of insulation
inline constexpr double highestHeatTransfer = 10.0; // W/m²K: a bare metal sheet in wind
inline constexpr double usualRoofLowWPerM2K = 1.5;  // W/m²K: a concrete roof or a floor
inline constexpr double usualRoofHighWPerM2K = 3.0; // W/m²K
inline constexpr double bareSheetLowWPerM2K = 5.0;  // W/m²K: a bare sheet-metal roof
inline constexpr double bareSheetHighWPerM2K = 7.0; // W/m²K

enum class Implausible {
    None,
    BelowAbsoluteZero, // a temperature
    TooHot,            // a temperature above hottestAirC
    OutsidePercent,    // a relative humidity outside 0 to 100 %
    Negative,          // an area, a moisture content, people
    Fractional,        // a number of people that is not whole
    Infinite,          // a number of people beyond any count
    OutsideFraction,   // an absorption outside 0 to 1
    Unusual,           // possible, but outside what real buildings have
};

[[nodiscard]] Implausible implausibility(RoomQuantity quantity, double value);

// Whether the value cannot be at all, rather than being only unusual.
[[nodiscard]] bool isImpossible(Implausible implausible);

} // namespace kelvora
