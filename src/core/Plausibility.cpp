#include "Plausibility.h"

#include <cmath>

namespace kelvora {

namespace {

Implausible temperature(double valueC, double usualLowC, double usualHighC) {
    if (valueC < absoluteZeroC)
        return Implausible::BelowAbsoluteZero;
    if (valueC > hottestAirC)
        return Implausible::TooHot;
    return valueC < usualLowC || valueC > usualHighC ? Implausible::Unusual : Implausible::None;
}

} // namespace

Implausible implausibility(RoomQuantity quantity, double value) {
    if (std::isnan(value))
        return Implausible::None;
    switch (quantity) {
    case RoomQuantity::OutdoorTemperatureC:
        return temperature(value, coldestOutdoorC, hottestOutdoorC);
    case RoomQuantity::IndoorTemperatureC:
        return temperature(value, coolestIndoorC, warmestIndoorC);
    case RoomQuantity::RelativeHumidityPercent:
        return value < 0 || value > saturatedPercent ? Implausible::OutsidePercent
                                                     : Implausible::None;
    case RoomQuantity::People:
        if (value < 0)
            return Implausible::Negative;
        if (std::isinf(value))
            return Implausible::Infinite;
        return std::floor(value) == value ? Implausible::None : Implausible::Fractional;
    case RoomQuantity::AreaM2:
    case RoomQuantity::MoistureGPerKg:
        return value < 0 ? Implausible::Negative : Implausible::None;
    case RoomQuantity::EnthalpyKJPerKg:
        // Air below about -10 °C has a negative enthalpy; the air check says
        // where it disagrees with the temperature.
        return Implausible::None;
    case RoomQuantity::HeatTransferWPerM2K:
        return value < lowestHeatTransfer || value > highestHeatTransfer ? Implausible::Unusual
                                                                         : Implausible::None;
    case RoomQuantity::Absorption:
        return value < 0 || value > 1 ? Implausible::OutsideFraction : Implausible::None;
    }
    return Implausible::None;
}

bool isImpossible(Implausible implausible) {
    return implausible != Implausible::None && implausible != Implausible::Unusual;
}

} // namespace kelvora
