#pragma once

// The room's own values, as the main window lays them out, and what the rest
// of the program needs to know of each: how a note names it, which quantity
// it is (for the ranges that make sense), and which of them must be filled in
// before a calculator opens. The model keeps the text of each; nothing here
// keeps a number.

#include "core/Plausibility.h"

#include <QString>

#include <array>
#include <optional>

namespace kelvora::room {

enum class RoomValue {
    Name,
    AreaM2,
    People,
    OutdoorC,
    IndoorC,
    OutdoorHumidityPercent,
    IndoorHumidityPercent,
    OutdoorMoistureGPerKg, // g/kg of dry air
    IndoorMoistureGPerKg,
    OutdoorEnthalpyKJPerKg, // kJ/kg of dry air
    IndoorEnthalpyKJPerKg,
};

// Every room value, in the order the main window lays them out.
inline constexpr std::array allRoomValues = {
    RoomValue::Name,
    RoomValue::AreaM2,
    RoomValue::People,
    RoomValue::OutdoorC,
    RoomValue::IndoorC,
    RoomValue::OutdoorHumidityPercent,
    RoomValue::IndoorHumidityPercent,
    RoomValue::OutdoorMoistureGPerKg,
    RoomValue::IndoorMoistureGPerKg,
    RoomValue::OutdoorEnthalpyKJPerKg,
    RoomValue::IndoorEnthalpyKJPerKg,
};

// Which room values must not be empty before a calculator opens.
enum class RoomCheck {
    Full,  // temperatures, moisture contents, relative humidities, occupants
    Short, // temperatures and moisture contents
};

[[nodiscard]] bool isChecked(RoomValue value, RoomCheck check);

// How a note names the value, in lower case: "diện tích phòng".
[[nodiscard]] QString valueName(RoomValue value);

// The quantity the value is; none for the room's name.
[[nodiscard]] std::optional<RoomQuantity> quantityOf(RoomValue value);

} // namespace kelvora::room
