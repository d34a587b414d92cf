#include "EquipmentHeat.h"

namespace kelvora {

Worked equipmentHeat(const EquipmentCounts& counts) {
    const Worked computerW(computerPowerW);
    const Worked machineW(officeMachinePowerW);
    return Worked(counts.computers) * computerW + Worked(counts.faxMachines) * machineW +
           Worked(counts.printers) * machineW + Worked(counts.photocopiers) * machineW +
           Worked(counts.scanners) * machineW + Worked(counts.projectors) * machineW +
           Worked(counts.otherPowerW);
}

double equipmentHeatW(const EquipmentCounts& counts) {
    return equipmentHeat(counts).value();
}

} // namespace kelvora
