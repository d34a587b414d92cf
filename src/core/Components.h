#pragma once

// The eight heat-gain components, in the order of the main window's list.
// Before a calculator opens, the room's air conditions it depends on must be
// filled in: the first five need the full set, the envelope, roof and floor
// only the temperatures and moisture contents (the short set).

namespace kelvora {

enum class Component { Q1, Q2, Q3, Q4, Q5, Q6, Q7, Q8 };

enum class RoomCheck {
    Full,  // temperatures, moisture contents, relative humidities, occupants
    Short, // temperatures and moisture contents
};

[[nodiscard]] constexpr RoomCheck roomCheckFor(Component component) {
    switch (component) {
    case Component::Q6:
    case Component::Q7:
    case Component::Q8:
        return RoomCheck::Short;
    default:
        return RoomCheck::Full;
    }
}

} // namespace kelvora
