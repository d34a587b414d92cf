#include "ResultHistory.h"

#include "FieldNotes.h"
#include "Fields.h"
#include "RoomRanges.h"
#include "core/ArithmeticFault.h"
#include "core/FieldText.h"
#include "core/HeatBalance.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace kelvora::ui {

namespace {

const char* const workingPrefix = "Cách tính: ";
const char* const typedByHand = "Nhập tay";
const char* const notRecomputed = "Chưa tính lại: ";
const char* const totalsToRedo = "Tổng chưa được tính lại: nhấn Tính để cập nhật";

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

// How the stale note names a room field.
QString roomValueName(RoomValue value) {
    switch (value) {
    case RoomValue::AreaM2:
        return QStringLiteral("diện tích phòng");
    case RoomValue::People:
        return QStringLiteral("số người");
    case RoomValue::OutdoorC:
        return QStringLiteral("nhiệt độ ngoài trời");
    case RoomValue::IndoorC:
        return QStringLiteral("nhiệt độ trong phòng");
    case RoomValue::OutdoorEnthalpyKJPerKg:
        return QStringLiteral("enthalpy ngoài trời");
    case RoomValue::IndoorEnthalpyKJPerKg:
        return QStringLiteral("enthalpy trong phòng");
    }
    return {};
}

// The history of a result or of a total, by its field; const as the entries are.
template <class Entries> auto entryOf(Entries& entries, const QLineEdit* field) {
    const auto it = std::find_if(entries.begin(), entries.end(),
                                 [field](const auto& entry) { return entry.field == field; });
    return it != entries.end() ? &*it : nullptr;
}

constexpr RoomValue roomValues[] = {RoomValue::AreaM2,
                                    RoomValue::People,
                                    RoomValue::OutdoorC,
                                    RoomValue::IndoorC,
                                    RoomValue::OutdoorEnthalpyKJPerKg,
                                    RoomValue::IndoorEnthalpyKJPerKg};

} // namespace

ResultHistory::ResultHistory(Room& room, RoomFields fields, QObject* parent)
    : QObject(parent)
    , room_(room)
    , fields_(std::move(fields)) {
    std::vector<QLineEdit*> averages;
    std::vector<QLineEdit*> maxima;
    for (const ComponentFields& component : fields_.components) {
        averages.push_back(component.averageW);
        maxima.push_back(component.peakW != nullptr ? component.peakW : component.averageW);
        followResult(component.averageW, component.averageW->accessibleName());
        if (component.peakW != nullptr)
            followResult(component.peakW, component.averageW->accessibleName());
    }
    followTotal(fields_.averageTotalW, averages);
    followTotal(fields_.maximumTotalW, maxima);

    for (const RoomValue value : roomValues)
        room_.watch(value, this, [this] { showAll(); });
    // Whatever changes a number that Tính adds, or a total itself, may make
    // the totals shown stop being what Tính would write.
    for (QLineEdit* added : averages)
        connect(added, &QLineEdit::textChanged, this, &ResultHistory::showTotals);
    for (const ComponentFields& component : fields_.components)
        if (component.peakW != nullptr)
            connect(component.peakW, &QLineEdit::textChanged, this, &ResultHistory::showTotals);
    for (QLineEdit* total : {fields_.averageTotalW, fields_.maximumTotalW})
        connect(total, &QLineEdit::textChanged, this, &ResultHistory::showTotals);
    // Connected after the window's own handlers, so these run once they are done.
    connect(fields_.compute, &QAbstractButton::clicked, this, &ResultHistory::totalsComputed);
    connect(fields_.clear, &QAbstractButton::clicked, this, &ResultHistory::cleared);
    showAll();
}

void ResultHistory::followResult(QLineEdit* field, const QString& window) {
    results_.push_back({field, window, {}, false, {}});
    connect(field, &QLineEdit::textEdited, this, [this, field, window] {
        *entryOf(results_, field) = {field, window, {}, true, {}};
        showAll();
    });
}

void ResultHistory::followTotal(QLineEdit* total, std::vector<QLineEdit*> terms) {
    totals_.push_back({total, std::move(terms), {}});
    const std::size_t index = totals_.size() - 1;
    connect(total, &QLineEdit::textEdited, this, [this, index] {
        totals_[index].working.clear();
        totals_[index].typed = true;
        showTotal(totals_[index]);
    });
}

void ResultHistory::computed(QLineEdit* field, const Worked& result, const ResultInputs& inputs) {
    for (Result& r : results_) {
        if (r.field != field)
            continue;
        // The final number is the text just written, not worked out again.
        QString working =
            fromStd(result.text()) + QStringLiteral(" = ") + field->text() + QStringLiteral(" W");
        for (const TypedOver& own : inputs.typedOver) {
            const QString name = roomValueName(own.value);
            working +=
                QStringLiteral("\n%1%2 nhập trong cửa sổ %3: %4")
                    .arg(name.left(1).toUpper(), name.mid(1), r.window, numberWords(own.number));
        }
        r = {field, r.window, working, false, inputs};
    }
    showAll();
}

void ResultHistory::totalsComputed() {
    // Tính has written what these fields add up to, unless a fault stopped it:
    // then the total's text is not this sum, and its working stays as it was.
    const FlagsKept flags;
    for (Total& total : totals_) {
        std::vector<double> termsW;
        QStringList labels;
        for (const QLineEdit* term : total.terms) {
            termsW.push_back(fieldValue(term));
            labels << term->accessibleName();
        }
        const Worked sum = Worked::addedUp(termsW);
        if (total.field->text() == fromStd(numberText(sum.value()))) {
            total.working = labels.join(QStringLiteral(" + ")) + QStringLiteral(" = ") +
                            fromStd(sum.text()) + QStringLiteral(" = ") + total.field->text() +
                            QStringLiteral(" W");
            total.typed = false;
        }
        showTotal(total);
    }
}

void ResultHistory::cleared() {
    for (Result& result : results_)
        result = {result.field, result.window, {}, false, {}};
    for (Total& total : totals_)
        total = {total.field, total.terms, {}, false};
    showAll();
}

QString ResultHistory::staleness(const Result& result) const {
    // Reading the room may meet a number out of range while a compute runs.
    const FlagsKept flags;
    QStringList changes;
    for (const auto& [value, usedNumber] : result.inputs.fromRoom) {
        const QString shown = room_.text(value);
        const double now = fieldValue(shown);
        // A number beyond range is named as typed, as far as a note can show it.
        if (now != usedNumber)
            changes << QStringLiteral("%1 tính với %2, cửa sổ chính hiện ghi %3")
                           .arg(roomValueName(value), numberWords(usedNumber),
                                std::isfinite(now) ? numberWords(now) : quoted(shown));
    }
    return changes.isEmpty()
               ? QString()
               : QString::fromUtf8(notRecomputed) + changes.join(QStringLiteral("; "));
}

QString ResultHistory::staleness(const Total& total) const {
    QStringList stale;
    for (const QLineEdit* term : total.terms)
        if (const Result* result = entryOf(results_, term);
            result != nullptr && !staleness(*result).isEmpty())
            stale << term->accessibleName();
    return stale.isEmpty() ? QString()
                           : QString::fromUtf8(notRecomputed) + stale.join(QStringLiteral(", "));
}

QString ResultHistory::implausibility(const Result& result) const {
    QStringList implausible;
    for (const auto& [value, usedNumber] : result.inputs.fromRoom)
        if (const QString note = implausibleNote(quantityOf(value), usedNumber); !note.isEmpty())
            implausible << QStringLiteral("Tính với %1: %2").arg(roomValueName(value), note);
    return implausible.join(u'\n');
}

bool ResultHistory::totalsOutOfDate() const {
    // What Tính would write now, worked out as it works it out; where it would
    // stop on a fault it writes nothing, and the totals stand as they are.
    const FlagsKept flags;
    FaultWatch watch;
    const double averageW = averageTotalW(componentsW(fields_));
    if (watch.check(averageW) != ArithmeticFault::None)
        return false;
    if (fields_.averageTotalW->text() != fromStd(numberText(averageW)))
        return true;
    const double maximumW = maximumTotalW(componentsWithPeaksW(fields_));
    return watch.check(maximumW) == ArithmeticFault::None &&
           fields_.maximumTotalW->text() != fromStd(numberText(maximumW));
}

ResultState ResultHistory::state(const QLineEdit* field) const {
    ResultState state;
    if (const Result* result = entryOf(results_, field)) {
        state.working = result->working;
        state.typed = result->typed;
        state.stale = staleness(*result);
        state.implausible = implausibility(*result);
    } else if (const Total* total = entryOf(totals_, field)) {
        state.working = total->working;
        state.typed = total->typed;
        state.stale = staleness(*total);
        if (totalsOutOfDate())
            state.totalsStale = QString::fromUtf8(totalsToRedo);
    }
    state.misread = state.typed && readsOtherwise(field->text());
    return state;
}

namespace {

QString workingNote(const QString& working, bool typed) {
    if (typed)
        return QString::fromUtf8(typedByHand);
    return working.isEmpty() ? QString() : QString::fromUtf8(workingPrefix) + working;
}

QString loadText(const QLineEdit* field, double (*convert)(double)) {
    const FlagsKept flags;
    const double loadW = fieldValue(field);
    return std::isfinite(loadW) ? fromStd(numberText(convert(loadW))) : QString();
}

} // namespace

QString kilowattsText(const QLineEdit* loadW) {
    return loadText(loadW, kilowatts);
}

QString btuPerHourText(const QLineEdit* loadW) {
    return loadText(loadW, btuPerHour);
}

void ResultHistory::showResult(const Result& result) {
    const ResultState now = state(result.field);
    setNote(result.field, NoteSource::Working, workingNote(now.working, now.typed),
            NoteLook::Described);
    setNote(result.field, NoteSource::Stale, now.stale, NoteLook::Warning);
    setNote(result.field, NoteSource::Range, now.implausible, NoteLook::Warning);
}

void ResultHistory::showTotal(const Total& total) {
    const ResultState now = state(total.field);
    QString note = workingNote(now.working, now.typed);
    if (const QString kW = kilowattsText(total.field); !note.isEmpty() && !kW.isEmpty())
        note += QStringLiteral("\n%1 kW; %2 BTU/h").arg(kW, btuPerHourText(total.field));
    setNote(total.field, NoteSource::Working, note, NoteLook::Described);
    setNote(total.field, NoteSource::Stale, now.stale, NoteLook::Warning);
    setNote(total.field, NoteSource::Totals, now.totalsStale, NoteLook::Warning);
}

void ResultHistory::showTotals() {
    for (const Total& total : totals_)
        showTotal(total);
}

void ResultHistory::showAll() {
    for (const Result& result : results_)
        showResult(result);
    for (const Total& total : totals_)
        showTotal(total);
}

} // namespace kelvora::ui
