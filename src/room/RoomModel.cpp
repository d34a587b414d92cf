#include "RoomModel.h"

#include "AirCheck.h"
#include "Words.h"
#include "core/FieldText.h"
#include "core/HeatBalance.h"

#include <cmath>
#include <utility>

namespace kelvora::room {

namespace {

const char* const needed = "Cần có số liệu để mở các cửa sổ tính";
const char* const notRecomputed = "Chưa tính lại: ";
const char* const totalsToRedo = "Tổng chưa được tính lại: nhấn Tính để cập nhật";
const char* const fromMarked = "Tính từ kết quả có cảnh báo: ";
constexpr int wholeWatts = 0; // decimals of every component result

std::size_t indexOf(RoomValue value) {
    return static_cast<std::size_t>(value);
}

std::size_t indexOf(TotalKind total) {
    return static_cast<std::size_t>(total);
}

QString capitalised(const QString& name) {
    return name.left(1).toUpper() + name.mid(1);
}

} // namespace

const char* totalLabel(TotalKind total) {
    return total == TotalKind::Average ? "Nhiệt tổng Q Trung bình" : "Nhiệt tổng Q Max";
}

QStringList RoomValueState::warnings() const {
    QStringList said;
    for (const QString& warning : {airDisagrees ? airCheck : QString(), needed, implausible})
        if (!warning.isEmpty())
            said << warning;
    return said;
}

RoomModel::RoomModel(QObject* parent)
    : QObject(parent)
    , averages_(components().size())
    , peaks_(components().size()) {}

QString RoomModel::text(RoomValue value) const {
    return room_[indexOf(value)];
}

double RoomModel::number(RoomValue value) const {
    // Not kept from the flags: a compute that reads a number beyond range
    // must meet the overflow in its fault check.
    return readNumber(text(value));
}

void RoomModel::setText(RoomValue value, const QString& text) {
    if (room_[indexOf(value)] == text)
        return;
    room_[indexOf(value)] = text;
    emit roomChanged(value);
    emit statesChanged();
}

RoomValueState RoomModel::state(RoomValue value) const {
    const FlagsKept flags;
    RoomValueState state;
    if (isChecked(value, RoomCheck::Full) && text(value).isEmpty())
        state.needed = QString::fromUtf8(needed);
    if (const std::optional<RoomQuantity> quantity = quantityOf(value))
        state.implausible = implausibleNote(*quantity, readNumber(text(value)));
    AirNote air;
    for (const AirSide side : allAirSides) {
        const AirValues values = airValues(side);
        if (value == values.moistureGPerKg)
            air =
                moistureCheck(text(values.temperatureC), text(values.humidityPercent), text(value));
        else if (value == values.enthalpyKJPerKg)
            air =
                enthalpyCheck(text(values.temperatureC), text(values.moistureGPerKg), text(value));
    }
    state.airCheck = air.text;
    state.airDisagrees = air.warning;
    return state;
}

bool RoomModel::filled(RoomCheck check) const {
    // Only an exactly empty text fails: a blank passes, and nothing is parsed.
    for (const RoomValue value : allRoomValues)
        if (isChecked(value, check) && text(value).isEmpty())
            return false;
    return true;
}

AirFill RoomModel::fill(AirSide side) const {
    const AirValues values = airValues(side);
    return airFill(text(values.temperatureC), text(values.humidityPercent));
}

AirState RoomModel::air(AirSide side) const {
    const AirValues values = airValues(side);
    return airState(text(values.temperatureC), text(values.humidityPercent),
                    text(values.moistureGPerKg), text(values.enthalpyKJPerKg));
}

const RoomModel::Result& RoomModel::result(ResultId id) const {
    return (id.kind == ResultKind::Peak ? peaks_ : averages_).at(id.entry);
}

RoomModel::Result& RoomModel::result(ResultId id) {
    return (id.kind == ResultKind::Peak ? peaks_ : averages_).at(id.entry);
}

QString RoomModel::text(ResultId id) const {
    return result(id).text;
}

void RoomModel::computed(ResultId id, const Worked& worked, std::vector<Input> inputs) {
    Result& written = result(id);
    written.text = numberField(roundHalfEven(worked.value(), wholeWatts));
    // The final number is the text written, not worked out again.
    written.working = QString::fromStdString(worked.text()) + QStringLiteral(" = ") + written.text +
                      QStringLiteral(" W");
    for (const Input& input : inputs)
        if (input.typedOver && input.room)
            written.working += QStringLiteral("\n%1 nhập trong cửa sổ %2: %3")
                                   .arg(capitalised(valueName(*input.room)),
                                        QString::fromUtf8(components()[id.entry].average.label),
                                        numberWords(input.read));
    written.origin = Origin::Computed;
    written.inputs = std::move(inputs);
    emit resultChanged(id);
    emit statesChanged();
}

void RoomModel::typed(ResultId id, const QString& text) {
    result(id) = {text, Origin::Typed, {}, {}};
    emit resultChanged(id);
    emit statesChanged();
}

void RoomModel::setText(ResultId id, const QString& text) {
    if (result(id).text == text)
        return;
    result(id).text = text;
    emit resultChanged(id);
    emit statesChanged();
}

QString RoomModel::staleness(const Result& result) const {
    // Reading the room may meet a number out of range while a compute runs.
    const FlagsKept flags;
    QStringList changes;
    for (const Input& input : result.inputs) {
        if (!input.room || input.typedOver)
            continue;
        const double now = readNumber(text(*input.room));
        // A number beyond range is named as typed, as far as a note can show it.
        if (now != input.read)
            changes << QStringLiteral("%1 tính với %2, cửa sổ chính hiện ghi %3")
                           .arg(valueName(*input.room), numberWords(input.read),
                                std::isfinite(now) ? numberWords(now) : quoted(text(*input.room)));
    }
    return changes.isEmpty()
               ? QString()
               : QString::fromUtf8(notRecomputed) + changes.join(QStringLiteral("; "));
}

QString RoomModel::marks(const Result& result) const {
    const FlagsKept flags;
    QStringList marks;
    for (const Input& input : result.inputs)
        if (input.quantity)
            if (const QString note = implausibleNote(*input.quantity, input.read); !note.isEmpty())
                marks << QStringLiteral("Tính với %1: %2")
                             .arg(input.room && !input.typedOver ? valueName(*input.room)
                                                                 : input.name,
                                  note);
    for (const Input& input : result.inputs)
        if (isMisread(input.text))
            marks << QStringLiteral("Tính với %1 '%2': đọc được %3")
                         .arg(input.name, quoted(input.text), numberWords(input.read));
    return marks.join(u'\n');
}

ResultState RoomModel::state(ResultId id) const {
    const Result& shown = result(id);
    ResultState state;
    state.working = shown.working;
    state.typed = shown.origin == Origin::Typed;
    state.misread = state.typed && readsOtherwise(shown.text);
    state.stale = staleness(shown);
    state.marked = marks(shown);
    return state;
}

QString RoomModel::text(TotalKind total) const {
    return totals_[indexOf(total)].text;
}

void RoomModel::typed(TotalKind total, const QString& text) {
    totals_[indexOf(total)] = {text, Origin::Typed, {}};
    emit totalChanged(total);
    emit statesChanged();
}

void RoomModel::setText(TotalKind total, const QString& text) {
    if (totals_[indexOf(total)].text == text)
        return;
    totals_[indexOf(total)].text = text;
    emit totalChanged(total);
    emit statesChanged();
}

std::vector<ResultId> RoomModel::terms(TotalKind total) const {
    std::vector<ResultId> terms;
    for (std::size_t entry = 0; entry < components().size(); ++entry)
        terms.push_back({entry, total == TotalKind::Maximum && components()[entry].hasPeak()
                                    ? ResultKind::Peak
                                    : ResultKind::Average});
    return terms;
}

std::vector<ResultId> RoomModel::results() const {
    std::vector<ResultId> all;
    for (std::size_t entry = 0; entry < components().size(); ++entry) {
        all.push_back({entry, ResultKind::Average});
        if (components()[entry].hasPeak())
            all.push_back({entry, ResultKind::Peak});
    }
    return all;
}

QString RoomModel::label(ResultId id) {
    const ComponentRow& component = components()[id.entry];
    return QString::fromUtf8(id.kind == ResultKind::Peak ? component.peak.label
                                                         : component.average.label);
}

namespace {} // namespace

std::vector<double> RoomModel::termsW(TotalKind total) const {
    std::vector<double> termsW;
    for (const ResultId id : terms(total))
        termsW.push_back(readNumber(text(id)));
    return termsW;
}

bool RoomModel::totalsOutOfDate() const {
    // What Tính would write now, worked out as it works it out; where it would
    // stop on a fault it writes nothing, and the totals stand as they are.
    const FlagsKept flags;
    FaultWatch watch;
    const double averageW = averageTotalW(termsW(TotalKind::Average));
    if (watch.check(averageW) != ArithmeticFault::None)
        return false;
    if (text(TotalKind::Average) != numberField(averageW))
        return true;
    const double maximumW = Worked::addedUp(termsW(TotalKind::Maximum)).value();
    return watch.check(maximumW) == ArithmeticFault::None &&
           text(TotalKind::Maximum) != numberField(maximumW);
}

ResultState RoomModel::state(TotalKind kind) const {
    const Total& total = totals_[indexOf(kind)];
    ResultState state;
    state.working = total.working;
    state.typed = total.origin == Origin::Typed;
    state.misread = state.typed && readsOtherwise(total.text);
    QStringList stale;
    QStringList marked;
    for (const ResultId id : terms(kind)) {
        if (!staleness(result(id)).isEmpty())
            stale << label(id);
        // Only a total Tính formed was formed from its terms' inputs; each
        // term says which in its own note.
        if (total.origin == Origin::Computed && !marks(result(id)).isEmpty())
            marked << label(id);
    }
    if (!stale.isEmpty())
        state.stale = QString::fromUtf8(notRecomputed) + stale.join(QStringLiteral(", "));
    if (totalsOutOfDate())
        state.totalsStale = QString::fromUtf8(totalsToRedo);
    if (!marked.isEmpty())
        state.marked = QString::fromUtf8(fromMarked) + marked.join(QStringLiteral(", "));
    return state;
}

std::optional<Sizing> RoomModel::sizing() const {
    const FlagsKept flags;
    const Total& maximum = totals_[indexOf(TotalKind::Maximum)];
    const double maximumW = readNumber(maximum.text);
    if (maximum.origin == Origin::Initial || !std::isfinite(maximumW))
        return std::nullopt;
    Sizing sizing{maximumW, kilowatts(maximumW), btuPerHour(maximumW), {}, {}, false};
    const double areaM2 = readNumber(text(RoomValue::AreaM2));
    if (areaM2 != 0 && std::isfinite(areaM2))
        sizing.wattsPerM2 = roundHalfEven(maximumW / areaM2, 0);
    sizing.unit = suggestedUnit(sizing.btuPerHour);
    sizing.aboveLargest = sizing.btuPerHour > splitUnitSizes.back().btuPerHour;
    return sizing;
}

void RoomModel::writeTotal(TotalKind total, double valueW) {
    setText(total, numberField(valueW));
}

ArithmeticFault RoomModel::computeTotals() {
    FaultWatch watch;
    const double averageW = averageTotalW(termsW(TotalKind::Average));
    ArithmeticFault fault = watch.check(averageW);
    if (fault == ArithmeticFault::None) {
        writeTotal(TotalKind::Average, averageW);
        // Read afresh for the maximum, after the average's write.
        watch.restart();
        const double maximumW = Worked::addedUp(termsW(TotalKind::Maximum)).value();
        fault = watch.check(maximumW);
        if (fault == ArithmeticFault::None)
            writeTotal(TotalKind::Maximum, maximumW);
    }
    recordTotals();
    return fault;
}

void RoomModel::recordTotals() {
    // Tính has written what the terms add up to, unless a fault stopped it:
    // then the total's text is not this sum, and its working stays as it was.
    const FlagsKept flags;
    for (const TotalKind kind : allTotals) {
        QStringList labels;
        for (const ResultId id : terms(kind))
            labels << label(id);
        const Worked sum = Worked::addedUp(termsW(kind));
        Total& total = totals_[indexOf(kind)];
        if (total.text == numberField(sum.value())) {
            total.working = labels.join(QStringLiteral(" + ")) + QStringLiteral(" = ") +
                            QString::fromStdString(sum.text()) + QStringLiteral(" = ") +
                            total.text + QStringLiteral(" W");
            total.origin = Origin::Computed;
        }
    }
    emit statesChanged();
}

void RoomModel::clear() {
    for (const ResultId id : results()) {
        result(id) = Result{};
        emit resultChanged(id);
    }
    for (const TotalKind total : allTotals) {
        totals_[indexOf(total)] = Total{};
        emit totalChanged(total);
    }
    emit statesChanged();
}

} // namespace kelvora::room
