#pragma once

// Q6, the heat that the difference between the outdoor and the indoor air
// drives through the room's envelope. The window reads the area and the two
// coefficients of each of its eight elements, and the two air temperatures
// from the room at the moment of the compute; every coefficient is a field
// the user may change, so this module holds no constant of its own.

#include "Worked.h"

namespace kelvora {

struct EnvelopeElement {
    double areaM2 = 0;                      // m²
    double transferWPerM2K = 0;             // W/m²K, heat-transfer coefficient k
    double temperatureDifferenceFactor = 0; // c, the share of Δt the element sees
};

struct Envelope {
    EnvelopeElement eastWall;
    EnvelopeElement westWall;
    EnvelopeElement southWall;
    EnvelopeElement northWall;
    EnvelopeElement glazing;
    EnvelopeElement ceiling;
    EnvelopeElement floor;
    EnvelopeElement door;
};

// ((A × k) × c) × Δt.
[[nodiscard]] Worked elementHeat(const EnvelopeElement& element, const Worked& differenceK);
[[nodiscard]] double elementHeatW(const EnvelopeElement& element, double differenceK);

// The seven terms from the east wall to the floor added left to right, then
// the door added to that sum. Δt is outdoor minus indoor: a room warmer than
// the outside air gives a negative Q6. The working names Δt first.
[[nodiscard]] Worked envelopeHeat(const Envelope& envelope, double outdoorC, double indoorC);
[[nodiscard]] double envelopeHeatW(const Envelope& envelope, double outdoorC, double indoorC);

} // namespace kelvora
