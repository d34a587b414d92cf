#include "MoistAir.h"

#include "ArithmeticFault.h"

#include <cmath>

namespace kelvora {

namespace {

// The saturation line of ordinary water (IAPWS, 1992, W. Wagner and A. Pruß):
// ln(pws/pc) = Tc/T (a1 θ + a2 θ^1.5 + a3 θ³ + a4 θ^3.5 + a5 θ⁴ + a6 θ^7.5),
// θ = 1 − T/Tc. The steam tables are printed from the same release; the
// Hyland–Wexler fit strays from them by 2 to 3 in 10 000, which the three
// decimals of a filled-in moisture content would show.
constexpr double criticalK = 647.096;
constexpr double criticalPa = 22.064e6;
constexpr double a1 = -7.85951783;
constexpr double a2 = 1.84408259;
constexpr double a3 = -11.7866497;
constexpr double a4 = 22.6807411;
constexpr double a5 = -15.9618719;
constexpr double a6 = 1.80122502;

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
    // Half powers by the square root, which every target rounds alike.
    const double theta = 1.0 - t / criticalK;
    const double root = std::sqrt(theta);
    const double cube = theta * theta * theta;
    const double sum = a1 * theta + a2 * theta * root + a3 * cube + a4 * cube * root +
                       a5 * cube * theta + a6 * cube * cube * theta * root;
    return criticalPa * std::exp(criticalK / t * sum);
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

std::optional<double> temperatureAtEnthalpyC(double enthalpyKJPerKg, double moistureContentGPerKg) {
    const FlagsKept flags;
    if (!(moistureContentGPerKg >= 0.0))
        return std::nullopt;
    const double kgPerKg = moistureContentGPerKg / gramsPerKg;
    return finite((enthalpyKJPerKg - kgPerKg * vaporisationKJPerKg) /
                  (dryAirHeatKJPerKgK + kgPerKg * vapourHeatKJPerKgK));
}

} // namespace kelvora
