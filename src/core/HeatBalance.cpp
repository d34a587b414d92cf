#include "HeatBalance.h"

namespace kelvora {

double averageTotalW(std::span<const double> componentsW) {
    double sum = 0.0;
    for (const double q : componentsW)
        sum += q;
    return sum;
}

double maximumTotalW(std::span<const ComponentW> components) {
    double sum = 0.0;
    for (const ComponentW& component : components)
        sum += component.peakW.value_or(component.averageW);
    return sum;
}

} // namespace kelvora
