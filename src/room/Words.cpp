#include "Words.h"

#include "core/ArithmeticFault.h"
#include "core/FieldText.h"

#include <cmath>

namespace kelvora::room {

namespace {

// Characters of a user's text that a note quotes: a number written out in
// full, or a room name, fits; a pasted page does not.
constexpr qsizetype longestQuote = 40;

QString temperatureRange() {
    return QStringLiteral("nhiệt độ hợp lý từ %1 đến %2 °C")
        .arg(numberField(absoluteZeroC), numberField(hottestAirC));
}

// What is wrong, then the range that makes sense, for each quantity.
QString why(RoomQuantity quantity, Implausible implausible) {
    switch (quantity) {
    case RoomQuantity::TemperatureC:
        return implausible == Implausible::BelowAbsoluteZero
                   ? QStringLiteral("thấp hơn độ không tuyệt đối (%1 °C); %2")
                         .arg(numberField(absoluteZeroC), temperatureRange())
                   : QStringLiteral("nóng hơn nước sôi (%1 °C); %2")
                         .arg(numberField(hottestAirC), temperatureRange());
    case RoomQuantity::RelativeHumidityPercent:
        return QStringLiteral("độ ẩm tương đối chỉ từ 0 đến %1 %")
            .arg(numberField(saturatedPercent));
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

} // namespace

double readNumber(const QString& text) {
    return kelvora::fieldValue(text.toStdString());
}

QString numberWords(double value) {
    if (std::isnan(value))
        return QStringLiteral("không phải số");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("vô cùng lớn") : QStringLiteral("âm vô cùng lớn");
    return numberField(value);
}

QString numberField(double value) {
    return QString::fromStdString(numberText(value));
}

QString quoted(const QString& text) {
    return text.size() > longestQuote ? text.left(longestQuote - 1) + QChar(0x2026) : text;
}

bool readsOtherwise(const QString& text) {
    const FlagsKept flags; // a text beyond the double range raises the overflow flag
    return !text.isEmpty() && text != numberField(readNumber(text));
}

bool isMisread(const QString& text) {
    return isLikelyMisread(text.toStdString());
}

QString implausibleNote(RoomQuantity quantity, double value) {
    const Implausible implausible = implausibility(quantity, value);
    if (implausible == Implausible::None)
        return {};
    return QStringLiteral("Giá trị không hợp lý (%1): %2.")
        .arg(numberWords(value), why(quantity, implausible));
}

QString reading(const QString& typedAs, const QString& text, double read) {
    return QStringLiteral("%1 '%2': đọc được %3").arg(typedAs, text, numberWords(read));
}

} // namespace kelvora::room
