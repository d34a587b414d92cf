#include "GlazingHeat.h"

#include <algorithm>

namespace kelvora {

double facadeGainW(const Facade& facade, const GlassCoefficients& glass) {
    return facade.glassAreaM2 * facade.intensityWPerM2 * glass.transparency * glass.soiling *
           glass.refraction * glass.shading;
}

double glazingHeatW(const MainFacades& facades, const GlassCoefficients& glass) {
    const double eastWestW =
        std::max(facadeGainW(facades.east, glass), facadeGainW(facades.west, glass));
    const double southNorthW =
        std::max(facadeGainW(facades.south, glass), facadeGainW(facades.north, glass));
    return eastWestW + southNorthW;
}

} // namespace kelvora
