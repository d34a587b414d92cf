#include "UnitSizes.h"

namespace kelvora {

std::optional<UnitSize> suggestedUnit(double loadBtuPerHour) {
    if (!(loadBtuPerHour > 0))
        return std::nullopt;
    for (const UnitSize& size : splitUnitSizes)
        if (loadBtuPerHour <= size.btuPerHour)
            return size;
    return std::nullopt;
}

} // namespace kelvora
