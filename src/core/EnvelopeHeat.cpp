#include "EnvelopeHeat.h"

namespace kelvora {

Worked elementHeat(const EnvelopeElement& element, const Worked& differenceK) {
    return Worked(element.areaM2) * Worked(element.transferWPerM2K) *
           Worked(element.temperatureDifferenceFactor) * differenceK;
}

double elementHeatW(const EnvelopeElement& element, double differenceK) {
    return elementHeat(element, Worked(differenceK)).value();
}

Worked envelopeHeat(const Envelope& envelope, double outdoorC, double indoorC) {
    std::string steps;
    const Worked differenceK = (Worked(outdoorC) - Worked(indoorC)).named("Δt", steps);
    const Worked wallsAndSlabs =
        elementHeat(envelope.eastWall, differenceK) + elementHeat(envelope.westWall, differenceK) +
        elementHeat(envelope.southWall, differenceK) +
        elementHeat(envelope.northWall, differenceK) + elementHeat(envelope.glazing, differenceK) +
        elementHeat(envelope.ceiling, differenceK) + elementHeat(envelope.floor, differenceK);
    return (elementHeat(envelope.door, differenceK) + wallsAndSlabs).after(steps);
}

double envelopeHeatW(const Envelope& envelope, double outdoorC, double indoorC) {
    return envelopeHeat(envelope, outdoorC, indoorC).value();
}

} // namespace kelvora
