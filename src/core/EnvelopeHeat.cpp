#include "EnvelopeHeat.h"

namespace kelvora {

double elementHeatW(const EnvelopeElement& element, double differenceK) {
    return element.areaM2 * element.transferWPerM2K * element.temperatureDifferenceFactor *
           differenceK;
}

double envelopeHeatW(const Envelope& envelope, double outdoorC, double indoorC) {
    const double differenceK = outdoorC - indoorC;
    const double wallsAndSlabsW = elementHeatW(envelope.eastWall, differenceK) +
                                  elementHeatW(envelope.westWall, differenceK) +
                                  elementHeatW(envelope.southWall, differenceK) +
                                  elementHeatW(envelope.northWall, differenceK) +
                                  elementHeatW(envelope.glazing, differenceK) +
                                  elementHeatW(envelope.ceiling, differenceK) +
                                  elementHeatW(envelope.floor, differenceK);
    return elementHeatW(envelope.door, differenceK) + wallsAndSlabsW;
}

} // namespace kelvora
