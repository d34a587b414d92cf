#include "AirCheck.h"

#include "Words.h"
#include "core/ArithmeticFault.h"
#include "core/FieldText.h"
#include "core/MoistAir.h"

#include <QStringList>

#include <cmath>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

namespace kelvora::room {

namespace {

// How far a typed value may stand from the check before it is warned about:
// a table read by eye, or a chart, is rarely closer.
constexpr double moistureToleranceGPerKg = 0.5;  // g/kg
constexpr double enthalpyToleranceKJPerKg = 1.0; // kJ/kg
constexpr int shownDecimals = 2;

QString checkedRange() {
    return QStringLiteral("nhiệt độ từ %1 đến %2 °C")
        .arg(numberField(lowestCheckedC), numberField(highestCheckedC));
}

// What of the texts a check is worked out from gives it nothing to go on:
// an empty text, or one with no number at its start, reads as 0, and a check
// against that 0 would blame the field checked instead of the one at fault.
QString gaps(std::initializer_list<std::pair<const QString*, const char*>> basis) {
    QStringList gaps;
    for (const auto& [text, name] : basis) {
        const std::string typed = text->toStdString();
        if (typed.find_first_not_of(" \t\n") == std::string::npos)
            gaps << QString::fromUtf8(name) + QStringLiteral(" trống");
        else if (likelyMisreading(typed).kind == Misreading::NoNumber)
            gaps << QString::fromUtf8(name) + QStringLiteral(" không đọc được");
    }
    return gaps.isEmpty() ? QString() : QStringLiteral("Không kiểm tra được: ") + gaps.join(", ");
}

AirNote compared(const QString& typed, std::optional<double> expected, double tolerance,
                 const char* basis, const char* unit, const QString& uncovered) {
    if (!expected)
        return {uncovered, false};
    const double shown = roundHalfEven(*expected, shownDecimals);
    const bool far = !(std::abs(readNumber(typed) - *expected) <= tolerance);
    return {QString::fromUtf8(basis) + numberField(shown) + QString::fromUtf8(unit), far};
}

} // namespace

AirNote moistureCheck(const QString& temperatureC, const QString& humidityPercent,
                      const QString& moistureGPerKg) {
    // Reading a text may raise an overflow, and the check's arithmetic the
    // inexact flag, while a compute is under way.
    const FlagsKept flags;
    if (const QString missing = gaps({{&temperatureC, "nhiệt độ"}, {&humidityPercent, "độ ẩm"}});
        !missing.isEmpty())
        return {missing, false};
    return compared(moistureGPerKg,
                    moistureContentGPerKg(readNumber(temperatureC), readNumber(humidityPercent)),
                    moistureToleranceGPerKg, "Theo nhiệt độ và độ ẩm: ", " g/kg",
                    QStringLiteral("Nhiệt độ và độ ẩm nằm ngoài khoảng kiểm tra được (%1, độ ẩm "
                                   "từ 0 đến %2 %)")
                        .arg(checkedRange(), numberField(highestHumidityPercent)));
}

AirNote enthalpyCheck(const QString& temperatureC, const QString& moistureGPerKg,
                      const QString& enthalpyKJPerKg) {
    const FlagsKept flags;
    if (const QString missing = gaps({{&temperatureC, "nhiệt độ"}, {&moistureGPerKg, "dung ẩm"}});
        !missing.isEmpty())
        return {missing, false};
    return compared(enthalpyKJPerKg,
                    kelvora::enthalpyKJPerKg(readNumber(temperatureC), readNumber(moistureGPerKg)),
                    enthalpyToleranceKJPerKg, "Theo nhiệt độ và dung ẩm: ", " kJ/kg",
                    QStringLiteral("Nhiệt độ và dung ẩm nằm ngoài khoảng kiểm tra được (%1, dung "
                                   "ẩm không âm)")
                        .arg(checkedRange()));
}

} // namespace kelvora::room
