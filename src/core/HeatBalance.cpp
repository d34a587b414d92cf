#include "HeatBalance.h"

#include "FieldText.h"

namespace kelvora {

double averageTotalW(std::span<const double> componentsW) {
    return Worked::addedUp(componentsW).value();
}

std::vector<double> maximumTermsW(std::span<const ComponentW> components) {
    std::vector<double> termsW;
    termsW.reserve(components.size());
    for (const ComponentW& component : components)
        termsW.push_back(component.peakW.value_or(component.averageW));
    return termsW;
}

double maximumTotalW(std::span<const ComponentW> components) {
    return Worked::addedUp(maximumTermsW(components)).value();
}

double kilowatts(double loadW) {
    return roundHalfEven(loadW / wattsPerKilowatt, kilowattDecimals);
}

double btuPerHour(double loadW) {
    return roundHalfEven(loadW / wattsPerBtuPerHour, 0);
}

} // namespace kelvora
