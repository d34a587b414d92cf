#include "OccupantHeat.h"

namespace kelvora {

double occupantGroupHeatW(double people, double heatWPerPerson) {
    return (people / groupHalves) * heatWPerPerson +
           ((heatWPerPerson * secondHalfShare) * people) / groupHalves;
}

double occupantHeatW(double adultsHeatW, double childrenHeatW) {
    return childrenHeatW * childWeight + adultsHeatW;
}

} // namespace kelvora
