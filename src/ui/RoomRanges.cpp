#include "RoomRanges.h"

#include "FieldNotes.h"
#include "Fields.h"
#include "core/ArithmeticFault.h"
#include "core/FieldText.h"

#include <QLineEdit>

namespace kelvora::ui {

namespace {

QString number(double value) {
    return QString::fromStdString(numberText(value));
}

QString temperatureRange() {
    return QStringLiteral("nhiệt độ hợp lý từ %1 đến %2 °C")
        .arg(number(absoluteZeroC), number(hottestAirC));
}

// What is wrong, then the range that makes sense, for each quantity.
QString why(RoomQuantity quantity, Implausible implausible) {
    switch (quantity) {
    case RoomQuantity::TemperatureC:
        return implausible == Implausible::BelowAbsoluteZero
                   ? QStringLiteral("thấp hơn độ không tuyệt đối (%1 °C); %2")
                         .arg(number(absoluteZeroC), temperatureRange())
                   : QStringLiteral("nóng hơn nước sôi (%1 °C); %2")
                         .arg(number(hottestAirC), temperatureRange());
    case RoomQuantity::RelativeHumidityPercent:
        return QStringLiteral("độ ẩm tương đối chỉ từ 0 đến %1 %").arg(number(saturatedPercent));
    case RoomQuantity::AreaM2:
        return QStringLiteral("diện tích âm; diện tích hợp lý từ 0 m² trở lên");
    case RoomQuantity::People:
        return (implausible == Implausible::Negative ? QStringLiteral("số người âm")
                                                     : QStringLiteral("số người không nguyên")) +
               QStringLiteral("; số người hợp lý là số nguyên từ 0 trở lên");
    case RoomQuantity::MoistureGPerKg:
        return QStringLiteral("dung ẩm âm; dung ẩm hợp lý từ 0 g/kg trở lên");
    case RoomQuantity::EnthalpyKJPerKg:
        return QStringLiteral("entanpi âm; entanpi hợp lý từ 0 kJ/kg trở lên");
    }
    return {};
}

void mark(QLineEdit* field, RoomQuantity quantity) {
    // Reading the text may raise an overflow while a compute is under way.
    const FlagsKept flags;
    setNote(field, NoteSource::Range, implausibleNote(quantity, fieldValue(field)),
            NoteLook::Warning);
}

} // namespace

RoomQuantity quantityOf(RoomValue value) {
    switch (value) {
    case RoomValue::AreaM2:
        return RoomQuantity::AreaM2;
    case RoomValue::People:
        return RoomQuantity::People;
    case RoomValue::OutdoorC:
    case RoomValue::IndoorC:
        return RoomQuantity::TemperatureC;
    case RoomValue::OutdoorEnthalpyKJPerKg:
    case RoomValue::IndoorEnthalpyKJPerKg:
        return RoomQuantity::EnthalpyKJPerKg;
    }
    return RoomQuantity::AreaM2;
}

QString implausibleNote(RoomQuantity quantity, double value) {
    const Implausible implausible = implausibility(quantity, value);
    if (implausible == Implausible::None)
        return {};
    return QStringLiteral("Giá trị không hợp lý (%1): %2.")
        .arg(numberWords(value), why(quantity, implausible));
}

void markImplausible(std::initializer_list<std::pair<QLineEdit*, RoomQuantity>> fields) {
    for (const auto& [field, quantity] : fields) {
        mark(field, quantity);
        QObject::connect(field, &QLineEdit::textChanged, field,
                         [field, quantity] { mark(field, quantity); });
    }
}

} // namespace kelvora::ui
