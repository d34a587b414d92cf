#pragma once

// Q1, the heat of the office equipment. The window reads its seven counts,
// hands them here and writes the rounded watts into the room's Q1 field.
// Counts are doubles like every quantity: 2.5 computers are 750 W.

#include "Worked.h"

namespace kelvora {

inline constexpr double computerPowerW = 300.0; // W per computer
inline constexpr double officeMachinePowerW =
    100.0; // W per fax, printer, copier, scanner, projector

struct EquipmentCounts {
    double computers = 0;
    double faxMachines = 0;
    double printers = 0;
    double photocopiers = 0;
    double scanners = 0;
    double projectors = 0;
    double otherPowerW = 0; // W, all other equipment together
};

// The terms are added left to right, in the order of the fields above.
[[nodiscard]] Worked equipmentHeat(const EquipmentCounts& counts);
[[nodiscard]] double equipmentHeatW(const EquipmentCounts& counts);

} // namespace kelvora
