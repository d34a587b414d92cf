#include "InfiltrationHeat.h"

namespace kelvora {

double infiltrationAirFlowKgPerS(double volumeM3) {
    return (volumeM3 * airFlowFactorKgPerM3H) / secondsPerHour;
}

double infiltrationHeatW(double outdoorEnthalpyKJPerKg, double indoorEnthalpyKJPerKg,
                         double airFlowKgPerS) {
    return ((outdoorEnthalpyKJPerKg - indoorEnthalpyKJPerKg) * airFlowKgPerS) * joulesPerKilojoule;
}

} // namespace kelvora
