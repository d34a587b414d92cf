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

QString temperatureWhy(Implausible implausible, double usualLowC, double usualHighC,
                       const char* usually) {
    if (implausible == Implausible::BelowAbsoluteZero)
        return QStringLiteral("thấp hơn độ không tuyệt đối (%1 °C); %2")
            .arg(numberField(absoluteZeroC), temperatureRange());
    if (implausible == Implausible::TooHot)
        return QStringLiteral("nóng hơn nước sôi (%1 °C); %2")
            .arg(numberField(hottestAirC), temperatureRange());
    return QString::fromUtf8(usually).arg(numberField(usualLowC), numberField(usualHighC));
}

// What is wrong, then the range that makes sense, for each quantity.
QString why(RoomQuantity quantity, Implausible implausible) {
    switch (quantity) {
    case RoomQuantity::OutdoorTemperatureC:
        return temperatureWhy(implausible, coldestOutdoorC, hottestOutdoorC,
                              "không khí ngoài trời thường từ %1 đến %2 °C");
    case RoomQuantity::IndoorTemperatureC:
        return temperatureWhy(implausible, coolestIndoorC, warmestIndoorC,
                              "phòng điều hoà thường giữ từ %1 đến %2 °C");
    case RoomQuantity::RelativeHumidityPercent:
        return QStringLiteral("độ ẩm tương đối chỉ từ 0 đến %1 %")
            .arg(numberField(saturatedPercent));
    case RoomQuantity::AreaM2:
        return QStringLiteral("diện tích âm; diện tích hợp lý từ 0 m² trở lên");
    case RoomQuantity::People: {
        const QString what = implausible == Implausible::Negative ? QStringLiteral("số người âm")
                             : implausible == Implausible::Infinite
                                 ? QStringLiteral("số người vô cùng lớn")
                                 : QStringLiteral("số người không nguyên");
        return what + QStringLiteral("; số người hợp lý là số nguyên từ 0 trở lên");
    }
    case RoomQuantity::MoistureGPerKg:
        return QStringLiteral("dung ẩm âm; dung ẩm hợp lý từ 0 g/kg trở lên");
    case RoomQuantity::EnthalpyKJPerKg:
        return {};
    case RoomQuantity::HeatTransferWPerM2K:
        return QStringLiteral("hệ số truyền nhiệt thường từ %1 đến %2 W/m²K")
            .arg(numberField(lowestHeatTransfer), numberField(highestHeatTransfer));
    case RoomQuantity::Absorption:
        return QStringLiteral("hệ số hấp thụ chỉ từ 0 đến 1");
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
    return (isImpossible(implausible) ? QStringLiteral("Giá trị không hợp lý (%1): %2.")
                                      : QStringLiteral("Giá trị bất thường (%1): %2."))
        .arg(numberWords(value), why(quantity, implausible));
}

QString unitWords(double btuPerHour, double horsepower) {
    // Horsepower as the shops write it, with a decimal comma: "1,5 HP".
    QString hp = numberField(horsepower);
    hp.replace(u'.', u',');
    return QStringLiteral("%1 BTU/h (%2 HP)").arg(numberField(btuPerHour), hp);
}

QString rangeAdvice(RoomQuantity quantity) {
    if (quantity != RoomQuantity::HeatTransferWPerM2K)
        return {};
    return QStringLiteral("Mái bê tông và sàn thực tế khoảng %1 đến %2 W/m²K, mái tôn trần %3 "
                          "đến %4 W/m²K.")
        .arg(numberField(usualRoofLowWPerM2K), numberField(usualRoofHighWPerM2K),
             numberField(bareSheetLowWPerM2K), numberField(bareSheetHighWPerM2K));
}

QString reading(const QString& typedAs, const QString& text, double read) {
    return QStringLiteral("%1 '%2': đọc được %3").arg(typedAs, text, numberWords(read));
}

} // namespace kelvora::room
