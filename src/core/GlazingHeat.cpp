#include "GlazingHeat.h"

namespace kelvora {

Worked facadeGain(const Facade& facade, const GlassCoefficients& glass) {
    return Worked(facade.glassAreaM2) * Worked(facade.intensityWPerM2) *
           Worked(glass.transparency) * Worked(glass.soiling) * Worked(glass.refraction) *
           Worked(glass.shading);
}

double facadeGainW(const Facade& facade, const GlassCoefficients& glass) {
    return facadeGain(facade, glass).value();
}

Worked glazingHeat(const MainFacades& facades, const GlassCoefficients& glass) {
    const Worked eastWest =
        larger(facadeGain(facades.east, glass), facadeGain(facades.west, glass));
    const Worked southNorth =
        larger(facadeGain(facades.south, glass), facadeGain(facades.north, glass));
    return eastWest + southNorth;
}

double glazingHeatW(const MainFacades& facades, const GlassCoefficients& glass) {
    return glazingHeat(facades, glass).value();
}

} // namespace kelvora
