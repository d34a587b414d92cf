#pragma once

// The room's air conditions checked against each other. For each side, the
// outdoor and the indoor air, the moisture content is worked out from the
// temperature and the relative humidity, and the enthalpy from the
// temperature and the moisture content, at standard pressure; the check then
// says what each would hold, and warns where the typed value is further from
// it than a reading could be off. It only informs: no calculation reads it,
// and its values reach a field only when the user asks for them (airFill).
// The I-d chart places each side's air by the same rules.

#include "RoomValues.h"

#include <QString>

#include <array>
#include <optional>

namespace kelvora::room {

struct AirNote {
    QString text; // what the field should hold, or why nothing can be said
    bool warning = false;
};

// Of the moisture-content field, from the side's texts as typed.
[[nodiscard]] AirNote moistureCheck(const QString& temperatureC, const QString& humidityPercent,
                                    const QString& moistureGPerKg);

// Of the enthalpy field.
[[nodiscard]] AirNote enthalpyCheck(const QString& temperatureC, const QString& moistureGPerKg,
                                    const QString& enthalpyKJPerKg);

enum class AirSide { Outdoor, Indoor };
inline constexpr std::array allAirSides = {AirSide::Outdoor, AirSide::Indoor};

// The room values that describe a side's air.
struct AirValues {
    RoomValue temperatureC;
    RoomValue humidityPercent;
    RoomValue moistureGPerKg;
    RoomValue enthalpyKJPerKg;
};
[[nodiscard]] AirValues airValues(AirSide side);

// What the check would put into the side's moisture-content and enthalpy
// fields, written as their first texts are (3 and 4 decimals), or why it
// cannot (whyNot, the check's own words).
struct AirFill {
    QString moistureGPerKg;
    QString enthalpyKJPerKg;
    QString whyNot;
};
[[nodiscard]] AirFill airFill(const QString& temperatureC, const QString& humidityPercent);

// The side whose fill writes the room value, a moisture content or an
// enthalpy; none for any other value.
[[nodiscard]] std::optional<AirSide> filledSide(RoomValue value);
// What the fill writes into the room value, one of its side's two.
[[nodiscard]] QString filledText(const AirFill& fill, RoomValue value);

// A state of the air where the I-d chart draws it.
struct AirPoint {
    double temperatureC = 0;
    double moistureGPerKg = 0;
};

// Where a side's air stands: by its typed temperature and moisture content,
// and, where the check warns, where its other values put it instead.
struct AirState {
    std::optional<AirPoint> typed;      // none where a text reads as no finite number
    std::optional<AirPoint> byHumidity; // the temperature with the moisture its humidity gives
    std::optional<AirPoint> byEnthalpy; // the temperature its enthalpy gives, at its moisture
};
[[nodiscard]] AirState airState(const QString& temperatureC, const QString& humidityPercent,
                                const QString& moistureGPerKg, const QString& enthalpyKJPerKg);

} // namespace kelvora::room
