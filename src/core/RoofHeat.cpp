#include "RoofHeat.h"

namespace kelvora {

namespace {

double partHeatW(const RoofPart& part, const Roof& roof, double radiationWPerM2) {
    const double equivalentC =
        roof.outdoorC + (part.absorption * radiationWPerM2) / outerSurfaceCoefficientWPerM2K;
    const double conductanceWPerK = (part.areaM2 * part.transferWPerM2K) * roofFactor;
    return conductanceWPerK * (equivalentC - roof.indoorC);
}

} // namespace

double roofHeatW(const Roof& roof, double radiationWPerM2) {
    const double flatW = partHeatW(roof.flat, roof, radiationWPerM2);
    const double vaultedW = partHeatW(roof.vaulted, roof, radiationWPerM2);
    return vaultedW + flatW;
}

} // namespace kelvora
