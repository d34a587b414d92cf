#include "RoofHeat.h"

namespace kelvora {

namespace {

Worked partHeat(const RoofPart& part, const Roof& roof, double radiationWPerM2) {
    const Worked equivalentC =
        Worked(roof.outdoorC) + (Worked(part.absorption) * Worked(radiationWPerM2)) /
                                    Worked(outerSurfaceCoefficientWPerM2K);
    const Worked conductanceWPerK =
        (Worked(part.areaM2) * Worked(part.transferWPerM2K)) * Worked(roofFactor);
    return conductanceWPerK * (equivalentC - Worked(roof.indoorC));
}

} // namespace

Worked roofHeat(const Roof& roof, double radiationWPerM2) {
    const Worked flat = partHeat(roof.flat, roof, radiationWPerM2);
    const Worked vaulted = partHeat(roof.vaulted, roof, radiationWPerM2);
    return vaulted + flat;
}

double roofHeatW(const Roof& roof, double radiationWPerM2) {
    return roofHeat(roof, radiationWPerM2).value();
}

} // namespace kelvora
