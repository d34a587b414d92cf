#include "AirCheck.h"

#include "FieldNotes.h"
#include "Fields.h"
#include "core/ArithmeticFault.h"
#include "core/FieldText.h"
#include "core/MoistAir.h"

#include <QLineEdit>
#include <QStringList>
#include <QWidget>

#include <cmath>
#include <optional>
#include <string>
#include <utility>

namespace kelvora::ui {

namespace {

// How far a typed value may stand from the check before it is warned about:
// a table read by eye, or a chart, is rarely closer.
constexpr double moistureToleranceGPerKg = 0.5;  // g/kg
constexpr double enthalpyToleranceKJPerKg = 1.0; // kJ/kg
constexpr int shownDecimals = 2;

QString number(double value) {
    return QString::fromStdString(numberText(value));
}

// The check's note on field: what it should hold, or why there is nothing to
// compare it with: a field it is worked out from that gives nothing (missing),
// or values beyond what the check covers.
void showCheck(QLineEdit* field, const QString& missing, std::optional<double> expected,
               double toleranceNear, const char* basis, const char* unit,
               const QString& uncovered) {
    if (!missing.isEmpty()) {
        setNote(field, NoteSource::AirCheck, missing, NoteLook::Described);
        return;
    }
    if (!expected) {
        setNote(field, NoteSource::AirCheck, uncovered, NoteLook::Described);
        return;
    }
    const double shown = roundHalfEven(*expected, shownDecimals);
    const bool far = !(std::abs(fieldValue(field) - *expected) <= toleranceNear);
    setNote(field, NoteSource::AirCheck,
            QString::fromUtf8(basis) + number(shown) + QString::fromUtf8(unit),
            far ? NoteLook::Warning : NoteLook::Described);
}

// What of the fields a check is worked out from gives it nothing to go on:
// an empty text, or one with no number at its start, reads as 0, and a check
// against that 0 would blame the field checked instead of the one at fault.
QString gaps(std::initializer_list<std::pair<const QLineEdit*, const char*>> basis) {
    QStringList gaps;
    for (const auto& [field, name] : basis) {
        const std::string text = field->text().toStdString();
        if (text.find_first_not_of(" \t\n") == std::string::npos)
            gaps << QString::fromUtf8(name) + QStringLiteral(" trống");
        else if (likelyMisreading(text).kind == Misreading::NoNumber)
            gaps << QString::fromUtf8(name) + QStringLiteral(" không đọc được");
    }
    return gaps.isEmpty() ? QString() : QStringLiteral("Không kiểm tra được: ") + gaps.join(", ");
}

void check(const AirFields& air) {
    // Reading a field may raise an overflow, and the check's arithmetic the
    // inexact flag, while a compute is under way.
    const FlagsKept flags;
    const double temperatureC = fieldValue(air.temperatureC);
    const QString range = QStringLiteral("nhiệt độ từ %1 đến %2 °C")
                              .arg(number(lowestCheckedC), number(highestCheckedC));
    showCheck(air.moistureGPerKg,
              gaps({{air.temperatureC, "nhiệt độ"}, {air.humidityPercent, "độ ẩm"}}),
              moistureContentGPerKg(temperatureC, fieldValue(air.humidityPercent)),
              moistureToleranceGPerKg, "Theo nhiệt độ và độ ẩm: ", " g/kg",
              QStringLiteral("Nhiệt độ và độ ẩm nằm ngoài khoảng kiểm tra được (%1, độ ẩm từ 0 "
                             "đến %2 %)")
                  .arg(range, number(highestHumidityPercent)));
    showCheck(air.enthalpyKJPerKg,
              gaps({{air.temperatureC, "nhiệt độ"}, {air.moistureGPerKg, "dung ẩm"}}),
              enthalpyKJPerKg(temperatureC, fieldValue(air.moistureGPerKg)),
              enthalpyToleranceKJPerKg, "Theo nhiệt độ và dung ẩm: ", " kJ/kg",
              QStringLiteral("Nhiệt độ và dung ẩm nằm ngoài khoảng kiểm tra được (%1, dung ẩm "
                             "không âm)")
                  .arg(range));
}

} // namespace

AirCheck::AirCheck(std::initializer_list<AirFields> sides, QWidget* window)
    : QObject(window) {
    for (const AirFields& air : sides) {
        check(air);
        for (QLineEdit* field :
             {air.temperatureC, air.humidityPercent, air.moistureGPerKg, air.enthalpyKJPerKg})
            connect(field, &QLineEdit::textChanged, this, [air] { check(air); });
    }
}

} // namespace kelvora::ui
