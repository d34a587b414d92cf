#include "RoomFields.h"

#include "Fields.h"

namespace kelvora::ui {

std::vector<double> componentsW(const RoomFields& fields) {
    std::vector<double> componentsW;
    for (const ComponentFields& component : fields.components)
        componentsW.push_back(fieldValue(component.averageW));
    return componentsW;
}

std::vector<ComponentW> componentsWithPeaksW(const RoomFields& fields) {
    std::vector<ComponentW> componentsW;
    for (const ComponentFields& component : fields.components) {
        ComponentW read{fieldValue(component.averageW), std::nullopt};
        if (component.peakW != nullptr)
            read.peakW = fieldValue(component.peakW);
        componentsW.push_back(read);
    }
    return componentsW;
}

} // namespace kelvora::ui
