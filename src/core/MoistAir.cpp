#include "MoistAir.h"

#include "ArithmeticFault.h"

#include <cmath>

namespace kelvora {

namespace {

// Hyland–Wexler, over water: ln pws = C8/T + C9 + C10 T + C11 T² + C12 T³ + C13 ln T,
// T in K, pws in Pa.
constexpr double c8 = -5.8002206e+03;
constexpr double c9 = 1.3914993;
constexpr double c10 = -4.8640239e-02;
constexpr double c11 = 4.1764768e-05;
constexpr double c12 = -1.4452093e-08;
constexpr double c13 = 6.5459673;

constexpr double zeroCelsiusK = 273.15;
constexpr double molarMassRatioGPerKg = 621.945; // water to dry air, times 1000 g/kg
constexpr double dryAirHeatKJPerKgK = 1.006;     // kJ/(kg·K)
constexpr double vaporisationKJPerKg = 2501.0;   // kJ/kg, at 0 °C
constexpr double vapourHeatKJPerKgK = 1.86;      // kJ/(kg·K)
constexpr double gramsPerKg = 1000.0;

bool covered(double temperatureC) {
    return temperatureC >= lowestCheckedC && temperatureC <= highestCheckedC;
}

std::optional<double> finite(double value) {
    return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

} // namespace

// Each function keeps the flags as they stood: a comparison with a NaN
// raises the invalid flag, a huge moisture content overflows.

std::optional<double> saturationPressurePa(double temperatureC) {
    const FlagsKept flags;
    if (!covered(temperatureC))
        return std::nullopt;
    const double t = temperatureC + zeroCelsiusK;
    return std::exp(c8 / t + c9 + t * (c10 + t * (c11 + t * c12)) + c13 * std::log(t));
}

std::optional<double> moistureContentGPerKg(double temperatureC, double relativeHumidityPercent) {
    const FlagsKept flags;
    if (!(relativeHumidityPercent >= 0.0 && relativeHumidityPercent <= highestHumidityPercent))
        return std::nullopt;
    const std::optional<double> saturationPa = saturationPressurePa(temperatureC);
    if (!saturationPa)
        return std::nullopt;
    const double vapourPa = relativeHumidityPercent / 100.0 * *saturationPa;
    if (vapourPa >= standardPressurePa)
        return std::nullopt;
    return molarMassRatioGPerKg * vapourPa / (standardPressurePa - vapourPa);
}

std::optional<double> enthalpyKJPerKg(double temperatureC, double moistureContentGPerKg) {
    const FlagsKept flags;
    if (!covered(temperatureC) || !(moistureContentGPerKg >= 0.0))
        return std::nullopt;
    return finite(dryAirHeatKJPerKgK * temperatureC +
                  moistureContentGPerKg / gramsPerKg *
                      (vaporisationKJPerKg + vapourHeatKJPerKgK * temperatureC));
}

} // namespace kelvora
