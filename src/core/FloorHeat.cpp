#include "FloorHeat.h"

#include <string>

namespace kelvora {

namespace {

struct WorkedZones {
    Worked zone1;
    Worked floor;
    Worked zone2;
    Worked zone3;
    Worked zone4;
};

// Each area is named as it is worked out, so that the rule's sum shows the
// zones' areas rather than repeating how each came about.
WorkedZones workedZones(double lengthM, double widthM, std::string& steps) {
    const Worked length(lengthM);
    const Worked width(widthM);
    const Worked zone1 = ((width + length) * Worked(zone1PerimeterFactorM)).named("F1", steps);
    const Worked floor = (width * length).named("A", steps);
    const Worked zone2 = (zone1 - Worked(zone1LimitM2)).named("F2", steps);
    const Worked zone3 = (zone1 - Worked(zone3OffsetM2)).named("F3", steps);
    const Worked zone4 =
        (floor + Worked(zone4OffsetM2) - zone1 * Worked(zone4Zone1Multiple)).named("F4", steps);
    return {zone1, floor, zone2, zone3, zone4};
}

} // namespace

FloorZones floorZones(double lengthM, double widthM) {
    std::string steps;
    const WorkedZones z = workedZones(lengthM, widthM, steps);
    return {z.zone1.value(), z.floor.value(), z.zone2.value(), z.zone3.value(), z.zone4.value()};
}

Worked floorHeat(const Floor& floor) {
    std::string steps;
    const WorkedZones z = workedZones(floor.lengthM, floor.widthM, steps);
    const Worked deltaK = (Worked(floor.outdoorC) - Worked(floor.indoorC)).named("Δt", steps);
    const Worked zone1Coefficient(zone1CoefficientWPerM2K);
    // Sums formed left to right, so each zone's term joins the sum before it.
    const Worked twoZones = z.zone2 * Worked(zone2CoefficientWPerM2K) + z.zone1 * zone1Coefficient;
    const Worked threeZones = twoZones + z.zone3 * Worked(zone3CoefficientWPerM2K);
    const Worked fourZones = threeZones + z.zone4 * Worked(zone4CoefficientWPerM2K);
    const double zone1M2 = z.zone1.value();
    const bool beyondOneZone = zone1M2 > zone1LimitM2;

    Worked heat(0.0);
    if (zone1M2 < zone1LimitM2)
        heat = deltaK * (z.floor * zone1Coefficient);
    if (zone1M2 == zone1LimitM2)
        heat = deltaK * (z.zone1 * zone1Coefficient);
    if (beyondOneZone && z.zone2.value() > 0 && z.zone3.value() <= 0)
        heat = twoZones * deltaK;
    if (beyondOneZone && z.zone3.value() > 0 && z.zone4.value() <= 0)
        heat = threeZones * deltaK;
    if (beyondOneZone && z.zone4.value() > 0)
        heat = fourZones * deltaK;
    return heat.after(steps);
}

double floorHeatW(const Floor& floor) {
    return floorHeat(floor).value();
}

} // namespace kelvora
