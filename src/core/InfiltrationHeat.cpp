#include "InfiltrationHeat.h"

namespace kelvora {

Worked infiltrationAirFlow(double volumeM3) {
    return (Worked(volumeM3) * Worked(airFlowFactorKgPerM3H)) / Worked(secondsPerHour);
}

double infiltrationAirFlowKgPerS(double volumeM3) {
    return infiltrationAirFlow(volumeM3).value();
}

Worked infiltrationHeat(double outdoorEnthalpyKJPerKg, double indoorEnthalpyKJPerKg,
                        const Worked& airFlowKgPerS) {
    return ((Worked(outdoorEnthalpyKJPerKg) - Worked(indoorEnthalpyKJPerKg)) * airFlowKgPerS) *
           Worked(joulesPerKilojoule);
}

double infiltrationHeatW(double outdoorEnthalpyKJPerKg, double indoorEnthalpyKJPerKg,
                         double airFlowKgPerS) {
    return infiltrationHeat(outdoorEnthalpyKJPerKg, indoorEnthalpyKJPerKg, Worked(airFlowKgPerS))
        .value();
}

} // namespace kelvora
