#pragma once

// The state of moist air at standard pressure, to check the room's air
// conditions against each other. The main window's humidity, moisture content
// and enthalpy are numbers the user types, none derived from another; these
// functions work out what the moisture content and the enthalpy would be from
// the temperature and the humidity, so that a window can say when the typed
// values disagree. They only inform: no calculation reads them.
//
// Inputs outside what the check covers give no value (std::nullopt), never a
// fault: the floating-point status flags stand as they stood before the call.

#include <optional>

namespace kelvora {

inline constexpr double standardPressurePa = 101325.0;

// What the check covers. The saturation pressure over water holds from the
// triple point (0.01 °C, taken from 0) to 200 °C; below 0 °C it would have to
// be taken over ice.
inline constexpr double lowestCheckedC = 0.0;
inline constexpr double highestCheckedC = 200.0;
inline constexpr double highestHumidityPercent = 100.0;

// The saturation pressure of water vapour over liquid water, Pa, as the
// steam tables give it.
[[nodiscard]] std::optional<double> saturationPressurePa(double temperatureC);

// The moisture content of air at the given relative humidity, g/kg of dry air.
// None where the vapour pressure would reach the total pressure.
[[nodiscard]] std::optional<double> moistureContentGPerKg(double temperatureC,
                                                          double relativeHumidityPercent);

// The enthalpy of moist air, kJ/kg of dry air, from its temperature and its
// moisture content (g/kg of dry air, not negative).
[[nodiscard]] std::optional<double> enthalpyKJPerKg(double temperatureC,
                                                    double moistureContentGPerKg);

// The temperature of air with the given enthalpy and moisture content: where
// a line of constant enthalpy crosses a moisture content on the I-d chart.
[[nodiscard]] std::optional<double> temperatureAtEnthalpyC(double enthalpyKJPerKg,
                                                           double moistureContentGPerKg);

} // namespace kelvora
