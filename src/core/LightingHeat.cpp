#include "LightingHeat.h"

namespace kelvora {

bool isLightingStandard(double standardWPerM2) {
    return standardWPerM2 == lowestLightingStandardWPerM2 ||
           standardWPerM2 == usualLightingStandardWPerM2 ||
           standardWPerM2 == highestLightingStandardWPerM2;
}

Worked lightingHeat(double areaM2, double standardWPerM2) {
    return Worked(areaM2) * Worked(standardWPerM2);
}

double lightingHeatW(double areaM2, double standardWPerM2) {
    return lightingHeat(areaM2, standardWPerM2).value();
}

} // namespace kelvora
