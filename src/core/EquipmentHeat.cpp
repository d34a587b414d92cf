#include "EquipmentHeat.h"

namespace kelvora {

double equipmentHeatW(const EquipmentCounts& counts) {
    return counts.computers * computerPowerW + counts.faxMachines * officeMachinePowerW +
           counts.printers * officeMachinePowerW + counts.photocopiers * officeMachinePowerW +
           counts.scanners * officeMachinePowerW + counts.projectors * officeMachinePowerW +
           counts.otherPowerW;
}

} // namespace kelvora
