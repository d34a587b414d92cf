#include "OccupantHeat.h"

namespace kelvora {

Worked occupantGroupHeat(double people, double heatWPerPerson) {
    const Worked count(people);
    const Worked heat(heatWPerPerson);
    const Worked halves(groupHalves);
    return (count / halves) * heat + ((heat * Worked(secondHalfShare)) * count) / halves;
}

double occupantGroupHeatW(double people, double heatWPerPerson) {
    return occupantGroupHeat(people, heatWPerPerson).value();
}

Worked occupantHeat(const Worked& adultsHeat, const Worked& childrenHeat) {
    return childrenHeat * Worked(childWeight) + adultsHeat;
}

double occupantHeatW(double adultsHeatW, double childrenHeatW) {
    return occupantHeat(Worked(adultsHeatW), Worked(childrenHeatW)).value();
}

} // namespace kelvora
