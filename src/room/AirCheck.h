#pragma once

// The room's air conditions checked against each other. For each side, the
// outdoor and the indoor air, the moisture content is worked out from the
// temperature and the relative humidity, and the enthalpy from the
// temperature and the moisture content, at standard pressure; the check then
// says what each would hold, and warns where the typed value is further from
// it than a reading could be off. It only informs: no calculation reads it.

#include <QString>

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

} // namespace kelvora::room
