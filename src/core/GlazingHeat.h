#pragma once

// Q5, the sun through the glass. The window reads the glass area and the
// radiation intensity of the four main facades and the four glass
// coefficients; each facade gains A × I × τ × b × k × c, and the room takes the
// larger of east and west plus the larger of south and north. The window
// computes twice, with the peak intensities and with the average ones, and
// writes each rounded result into the room. The diagonal facades and the
// hours of maximum radiation are shown for reference only.

#include "Worked.h"

namespace kelvora {

// τ, how much of the radiation the glass lets through.
inline constexpr double openingTransparency = 1.0; // an opening without glass
inline constexpr double singleGlassTransparency = 0.9;
inline constexpr double doubleGlassTransparency = 0.81;

// b, how much the dirt on the glass lets through.
inline constexpr double openingSoiling = 1.0;
inline constexpr double singleUprightSoiling = 0.8;
inline constexpr double singleSlopingSoiling = 0.65;
inline constexpr double doubleUprightSoiling = 0.7;

// k, what the frame and the refraction leave of it.
inline constexpr double openingRefraction = 1.0;
inline constexpr double woodFrameRefraction = 0.4;
inline constexpr double metalFrameRefraction = 0.62;

// c, what the shading leaves of it. With no shading nothing is taken away.
inline constexpr double unshaded = 1.0;
inline constexpr double overhangShading = 0.05;
inline constexpr double blindShading = 0.25;
inline constexpr double shutterShading = 0.3;
inline constexpr double whitePaintShading = 0.35;
inline constexpr double outerCurtainShading = 0.3;
inline constexpr double innerCurtainShading = 0.6;
inline constexpr double diffusingGlassShading = 0.7;

struct GlassCoefficients {
    double transparency = 0; // τ
    double soiling = 0;      // b
    double refraction = 0;   // k
    double shading = 1;      // c
};

struct Facade {
    double glassAreaM2 = 0;     // m²
    double intensityWPerM2 = 0; // W/m²
};

struct MainFacades {
    Facade east;
    Facade west;
    Facade south;
    Facade north;
};

// A × I × τ × b × k × c, multiplied left to right.
[[nodiscard]] Worked facadeGain(const Facade& facade, const GlassCoefficients& glass);
[[nodiscard]] double facadeGainW(const Facade& facade, const GlassCoefficients& glass);

// The larger of the east and west gains plus the larger of the south and
// north gains, compared as signed values: a negative gain loses to 0.
[[nodiscard]] Worked glazingHeat(const MainFacades& facades, const GlassCoefficients& glass);
[[nodiscard]] double glazingHeatW(const MainFacades& facades, const GlassCoefficients& glass);

} // namespace kelvora
