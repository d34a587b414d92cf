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
// As the main window's first texts are written, and as a fill writes them.
constexpr int moistureDecimals = 3;
constexpr int enthalpyDecimals = 4;

const char* const cannotCheck = "Không kiểm tra được: ";
const char* const cannotFill = "Không điền được: ";

QString fixedText(double value, int decimals) {
    return QString::number(roundHalfEven(value, decimals), 'f', decimals);
}

QString checkedRange() {
    return QStringLiteral("nhiệt độ từ %1 đến %2 °C")
        .arg(numberField(lowestCheckedC), numberField(highestCheckedC));
}

QString humidityUncovered() {
    return QStringLiteral("Nhiệt độ và độ ẩm nằm ngoài khoảng kiểm tra được (%1, độ ẩm "
                          "từ 0 đến %2 %)")
        .arg(checkedRange(), numberField(highestHumidityPercent));
}

bool blank(const QString& text) {
    return text.toStdString().find_first_not_of(" \t\n") == std::string::npos;
}

using Basis = std::initializer_list<std::pair<const QString*, const char*>>;

// What of the texts a check is worked out from gives it nothing to go on:
// an empty text, or one with no number at its start, reads as 0, and a check
// against that 0 would blame the field checked instead of the one at fault.
QStringList gaps(Basis basis) {
    QStringList gaps;
    for (const auto& [text, name] : basis) {
        if (blank(*text))
            gaps << QString::fromUtf8(name) + QStringLiteral(" trống");
        else if (likelyMisreading(text->toStdString()).kind == Misreading::NoNumber)
            gaps << QString::fromUtf8(name) + QStringLiteral(" không đọc được");
    }
    return gaps;
}

// A fill goes further: it writes numbers into fields, so a text that reads
// as another number than the user meant ("34,6" as 34) stops it too.
QStringList misreadings(Basis basis) {
    QStringList found;
    for (const auto& [text, name] : basis)
        if (isMisread(*text))
            found << reading(QString::fromUtf8(name), *text, readNumber(*text));
    return found;
}

AirNote compared(const QString& typed, std::optional<double> expected, double tolerance,
                 int decimals, const char* basis, const char* unit, const QString& uncovered) {
    if (!expected)
        return {uncovered, false};
    const bool far = !(std::abs(readNumber(typed) - *expected) <= tolerance);
    return {QString::fromUtf8(basis) + fixedText(*expected, decimals) + QString::fromUtf8(unit),
            far};
}

std::optional<double> finiteNumber(const QString& text) {
    if (blank(text))
        return std::nullopt;
    const double value = readNumber(text);
    return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

} // namespace

AirNote moistureCheck(const QString& temperatureC, const QString& humidityPercent,
                      const QString& moistureGPerKg) {
    // Reading a text may raise an overflow, and the check's arithmetic the
    // inexact flag, while a compute is under way.
    const FlagsKept flags;
    if (const QStringList missing =
            gaps({{&temperatureC, "nhiệt độ"}, {&humidityPercent, "độ ẩm"}});
        !missing.isEmpty())
        return {QString::fromUtf8(cannotCheck) + missing.join(", "), false};
    return compared(moistureGPerKg,
                    moistureContentGPerKg(readNumber(temperatureC), readNumber(humidityPercent)),
                    moistureToleranceGPerKg, moistureDecimals, "Theo nhiệt độ và độ ẩm: ", " g/kg",
                    humidityUncovered());
}

AirNote enthalpyCheck(const QString& temperatureC, const QString& moistureGPerKg,
                      const QString& enthalpyKJPerKg) {
    const FlagsKept flags;
    if (const QStringList missing =
            gaps({{&temperatureC, "nhiệt độ"}, {&moistureGPerKg, "dung ẩm"}});
        !missing.isEmpty())
        return {QString::fromUtf8(cannotCheck) + missing.join(", "), false};
    return compared(enthalpyKJPerKg,
                    kelvora::enthalpyKJPerKg(readNumber(temperatureC), readNumber(moistureGPerKg)),
                    enthalpyToleranceKJPerKg, enthalpyDecimals,
                    "Theo nhiệt độ và dung ẩm: ", " kJ/kg",
                    QStringLiteral("Nhiệt độ và dung ẩm nằm ngoài khoảng kiểm tra được (%1, dung "
                                   "ẩm không âm)")
                        .arg(checkedRange()));
}

AirValues airValues(AirSide side) {
    return side == AirSide::Outdoor
               ? AirValues{RoomValue::OutdoorC, RoomValue::OutdoorHumidityPercent,
                           RoomValue::OutdoorMoistureGPerKg, RoomValue::OutdoorEnthalpyKJPerKg}
               : AirValues{RoomValue::IndoorC, RoomValue::IndoorHumidityPercent,
                           RoomValue::IndoorMoistureGPerKg, RoomValue::IndoorEnthalpyKJPerKg};
}

AirFill airFill(const QString& temperatureC, const QString& humidityPercent) {
    const FlagsKept flags;
    const Basis basis = {{&temperatureC, "nhiệt độ"}, {&humidityPercent, "độ ẩm"}};
    QStringList stops = gaps(basis);
    if (stops.isEmpty())
        stops = misreadings(basis);
    if (!stops.isEmpty())
        return {{}, {}, QString::fromUtf8(cannotFill) + stops.join(", ")};
    const double tC = readNumber(temperatureC);
    const std::optional<double> moisture = moistureContentGPerKg(tC, readNumber(humidityPercent));
    const std::optional<double> enthalpy =
        moisture ? kelvora::enthalpyKJPerKg(tC, *moisture) : std::nullopt;
    if (!enthalpy) {
        const QString uncovered = humidityUncovered();
        return {
            {}, {}, QString::fromUtf8(cannotFill) + uncovered.left(1).toLower() + uncovered.mid(1)};
    }
    return {fixedText(*moisture, moistureDecimals), fixedText(*enthalpy, enthalpyDecimals), {}};
}

std::optional<AirSide> filledSide(RoomValue value) {
    for (const AirSide side : allAirSides)
        if (value == airValues(side).moistureGPerKg || value == airValues(side).enthalpyKJPerKg)
            return side;
    return std::nullopt;
}

QString filledText(const AirFill& fill, RoomValue value) {
    const std::optional<AirSide> side = filledSide(value);
    if (!side)
        return {};
    return value == airValues(*side).moistureGPerKg ? fill.moistureGPerKg : fill.enthalpyKJPerKg;
}

AirState airState(const QString& temperatureC, const QString& humidityPercent,
                  const QString& moistureGPerKg, const QString& enthalpyKJPerKg) {
    const FlagsKept flags;
    AirState state;
    const std::optional<double> tC = finiteNumber(temperatureC);
    const std::optional<double> moisture = finiteNumber(moistureGPerKg);
    if (!tC)
        return state;
    if (moisture)
        state.typed = AirPoint{*tC, *moisture};
    // The other places only where the check says the values disagree.
    if (moistureCheck(temperatureC, humidityPercent, moistureGPerKg).warning)
        if (const std::optional<double> byHumidity =
                moistureContentGPerKg(*tC, readNumber(humidityPercent)))
            state.byHumidity = AirPoint{*tC, *byHumidity};
    if (moisture && enthalpyCheck(temperatureC, moistureGPerKg, enthalpyKJPerKg).warning)
        if (const std::optional<double> byEnthalpy =
                temperatureAtEnthalpyC(readNumber(enthalpyKJPerKg), *moisture))
            state.byEnthalpy = AirPoint{*byEnthalpy, *moisture};
    return state;
}

} // namespace kelvora::room
