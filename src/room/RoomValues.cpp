#include "RoomValues.h"

namespace kelvora::room {

bool isChecked(RoomValue value, RoomCheck check) {
    switch (value) {
    case RoomValue::OutdoorC:
    case RoomValue::IndoorC:
    case RoomValue::OutdoorMoistureGPerKg:
    case RoomValue::IndoorMoistureGPerKg:
        return true;
    case RoomValue::People:
    case RoomValue::OutdoorHumidityPercent:
    case RoomValue::IndoorHumidityPercent:
        return check == RoomCheck::Full;
    case RoomValue::Name:
    case RoomValue::AreaM2:
    case RoomValue::OutdoorEnthalpyKJPerKg:
    case RoomValue::IndoorEnthalpyKJPerKg:
        return false;
    }
    return false;
}

QString valueName(RoomValue value) {
    switch (value) {
    case RoomValue::Name:
        return QStringLiteral("tên phòng");
    case RoomValue::AreaM2:
        return QStringLiteral("diện tích phòng");
    case RoomValue::People:
        return QStringLiteral("số người");
    case RoomValue::OutdoorC:
        return QStringLiteral("nhiệt độ ngoài trời");
    case RoomValue::IndoorC:
        return QStringLiteral("nhiệt độ trong phòng");
    case RoomValue::OutdoorHumidityPercent:
        return QStringLiteral("độ ẩm ngoài trời");
    case RoomValue::IndoorHumidityPercent:
        return QStringLiteral("độ ẩm trong phòng");
    case RoomValue::OutdoorMoistureGPerKg:
        return QStringLiteral("dung ẩm ngoài trời");
    case RoomValue::IndoorMoistureGPerKg:
        return QStringLiteral("dung ẩm trong phòng");
    case RoomValue::OutdoorEnthalpyKJPerKg:
        return QStringLiteral("enthalpy ngoài trời");
    case RoomValue::IndoorEnthalpyKJPerKg:
        return QStringLiteral("enthalpy trong phòng");
    }
    return {};
}

std::optional<RoomQuantity> quantityOf(RoomValue value) {
    switch (value) {
    case RoomValue::Name:
        return std::nullopt;
    case RoomValue::AreaM2:
        return RoomQuantity::AreaM2;
    case RoomValue::People:
        return RoomQuantity::People;
    case RoomValue::OutdoorC:
        return RoomQuantity::OutdoorTemperatureC;
    case RoomValue::IndoorC:
        return RoomQuantity::IndoorTemperatureC;
    case RoomValue::OutdoorHumidityPercent:
    case RoomValue::IndoorHumidityPercent:
        return RoomQuantity::RelativeHumidityPercent;
    case RoomValue::OutdoorMoistureGPerKg:
    case RoomValue::IndoorMoistureGPerKg:
        return RoomQuantity::MoistureGPerKg;
    case RoomValue::OutdoorEnthalpyKJPerKg:
    case RoomValue::IndoorEnthalpyKJPerKg:
        return RoomQuantity::EnthalpyKJPerKg;
    }
    return std::nullopt;
}

} // namespace kelvora::room
