#include "FloorHeat.h"

namespace kelvora {

FloorZones floorZones(double lengthM, double widthM) {
    FloorZones zones;
    zones.zone1M2 = (widthM + lengthM) * zone1PerimeterFactorM;
    zones.floorM2 = widthM * lengthM;
    zones.zone2M2 = zones.zone1M2 - zone1LimitM2;
    zones.zone3M2 = zones.zone1M2 - zone3OffsetM2;
    zones.zone4M2 = zones.floorM2 + zone4OffsetM2 - zones.zone1M2 * zone4Zone1Multiple;
    return zones;
}

double floorHeatW(const Floor& floor) {
    const FloorZones z = floorZones(floor.lengthM, floor.widthM);
    const double deltaK = floor.outdoorC - floor.indoorC;
    // Sums formed left to right, so each zone's term joins the sum before it.
    const double twoZonesWPerK =
        z.zone2M2 * zone2CoefficientWPerM2K + z.zone1M2 * zone1CoefficientWPerM2K;
    const double threeZonesWPerK = twoZonesWPerK + z.zone3M2 * zone3CoefficientWPerM2K;
    const double fourZonesWPerK = threeZonesWPerK + z.zone4M2 * zone4CoefficientWPerM2K;
    const bool beyondOneZone = z.zone1M2 > zone1LimitM2;

    double heatW = 0.0;
    if (z.zone1M2 < zone1LimitM2)
        heatW = deltaK * (z.floorM2 * zone1CoefficientWPerM2K);
    if (z.zone1M2 == zone1LimitM2)
        heatW = deltaK * (z.zone1M2 * zone1CoefficientWPerM2K);
    if (beyondOneZone && z.zone2M2 > 0 && z.zone3M2 <= 0)
        heatW = twoZonesWPerK * deltaK;
    if (beyondOneZone && z.zone3M2 > 0 && z.zone4M2 <= 0)
        heatW = threeZonesWPerK * deltaK;
    if (beyondOneZone && z.zone4M2 > 0)
        heatW = fourZonesWPerK * deltaK;
    return heatW;
}

} // namespace kelvora
