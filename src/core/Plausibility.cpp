#include "Plausibility.h"

#include <cmath>

namespace kelvora {

Implausible implausibility(RoomQuantity quantity, double value) {
    if (std::isnan(value))
        return Implausible::None;
    switch (quantity) {
    case RoomQuantity::TemperatureC:
        if (value < absoluteZeroC)
            return Implausible::BelowAbsoluteZero;
        return value > hottestAirC ? Implausible::TooHot : Implausible::None;
    case RoomQuantity::RelativeHumidityPercent:
        return value < 0 || value > saturatedPercent ? Implausible::OutsidePercent
                                                     : Implausible::None;
    case RoomQuantity::People:
        if (value < 0)
            return Implausible::Negative;
        return std::isfinite(value) && std::floor(value) == value ? Implausible::None
                                                                  : Implausible::Fractional;
    case RoomQuantity::AreaM2:
    case RoomQuantity::MoistureGPerKg:
    case RoomQuantity::EnthalpyKJPerKg:
        return value < 0 ? Implausible::Negative : Implausible::None;
    }
    return Implausible::None;
}

} // namespace kelvora
