#include "HeatBalance.h"

namespace kelvora {

double averageTotalW(const ComponentsW& componentsW) {
    double sum = 0.0;
    for (const double q : componentsW)
        sum += q;
    return sum;
}

double maximumTotalW(const ComponentsW& componentsW, double q5PeakW, double q7PeakW) {
    ComponentsW peak = componentsW;
    peak[4] = q5PeakW;
    peak[6] = q7PeakW;
    return averageTotalW(peak);
}

} // namespace kelvora
