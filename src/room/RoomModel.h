#pragma once

// The room as one record, and every rule about its numbers, decided once.
// The windows are views of it: the main window hands it what the user types
// into a room value, a result or a total; a calculator hands it a result
// with the inputs it was computed with; Tính and Xoá are calls. It keeps the
// texts and how each result came about, and works out when asked whatever
// follows from them (nothing derived is stored, so nothing can disagree):
// whether a result still holds, which signs it inherits from its inputs,
// whether the totals are what Tính would write now. After every change it
// signals; views then write the texts it holds and render its states, and
// the copied report renders the same states.

#include "AirCheck.h"
#include "Components.h"
#include "RoomValues.h"
#include "core/ArithmeticFault.h"
#include "core/UnitSizes.h"
#include "core/Worked.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace kelvora::room {

// A number a result was computed with, as it was at the compute.
struct Input {
    QString name;                         // as a note names it: "thể tích phòng"
    QString text;                         // as typed
    double read = 0;                      // the number the formula took
    std::optional<RoomValue> room;        // read from the room, or a calculator's copy of it
    bool typedOver = false;               // a copy the user typed over: the user's own number
    std::optional<RoomQuantity> quantity; // where some values cannot be, or are unusual
};

// What a room value's field says besides its number, each empty where it has
// nothing to say; the warnings in the order a field lists them.
struct RoomValueState {
    QString airCheck; // what the air's other values say this one should be
    bool airDisagrees = false;
    QString needed;      // empty, but a calculator needs it filled in
    QString implausible; // a value that cannot be
    [[nodiscard]] QStringList warnings() const;
};

// What the maximum total means for the unit to buy.
struct Sizing {
    double maximumW = 0;
    double kilowatts = 0;             // two places
    double btuPerHour = 0;            // whole
    std::optional<double> wattsPerM2; // whole; none without a floor area
    std::optional<UnitSize> unit;     // none above the largest size, or without a load
    bool aboveLargest = false;        // more than one unit, or a central system
};

// Where a result or a total stands, in the words the views show.
struct ResultState {
    QString working; // the formula with its numbers, without "Cách tính: "
    bool typed = false;
    bool misread = false; // typed, and its text is not the number it reads as
    QString stale;        // "Chưa tính lại: …": computed with room values since changed
    QString totalsStale;  // of a total: Tính would now write another number
    QString marked;       // computed from inputs misread or that cannot be, one a line
};

class RoomModel : public QObject {
    Q_OBJECT

public:
    explicit RoomModel(QObject* parent = nullptr);

    // The room's values: their texts as typed, and what they say.
    [[nodiscard]] QString text(RoomValue value) const;
    [[nodiscard]] double number(RoomValue value) const;
    void setText(RoomValue value, const QString& text);
    [[nodiscard]] RoomValueState state(RoomValue value) const;
    // Whether every room value the check needs is filled in (a blank passes).
    [[nodiscard]] bool filled(RoomCheck check) const;
    // A side's air: what filling it in would write, and where the chart puts it.
    [[nodiscard]] AirFill fill(AirSide side) const;
    [[nodiscard]] AirState air(AirSide side) const;

    // Results. A computed one is rounded half to even to whole watts; the
    // caller has passed it through the fault check.
    [[nodiscard]] QString text(ResultId result) const;
    void computed(ResultId result, const Worked& worked, std::vector<Input> inputs);
    void typed(ResultId result, const QString& text);   // by the user, by hand
    void setText(ResultId result, const QString& text); // by the program, keeping its story
    [[nodiscard]] ResultState state(ResultId result) const;

    // Totals.
    [[nodiscard]] QString text(TotalKind total) const;
    void typed(TotalKind total, const QString& text);
    void setText(TotalKind total, const QString& text);
    [[nodiscard]] ResultState state(TotalKind total) const;

    // The unit the maximum total asks for; none while there is no total
    // (before Tính, after Xoá) or it reads as no finite number.
    [[nodiscard]] std::optional<Sizing> sizing() const;

    // Tính: forms the average, writes it, then the maximum from what the
    // results hold then; stops at the first fault, which it returns.
    ArithmeticFault computeTotals();
    // Xoá: every result and total back to 0, with nothing to say.
    void clear();

    // Every result of the room, in the order of the components' table.
    [[nodiscard]] std::vector<ResultId> results() const;
    [[nodiscard]] static QString label(ResultId result);

signals:
    void roomChanged(RoomValue value);
    void resultChanged(ResultId result);
    void totalChanged(TotalKind total);
    // After any change: any state may have moved with it.
    void statesChanged();

private:
    enum class Origin { Initial, Computed, Typed };
    struct Result {
        QString text = QStringLiteral("0");
        Origin origin = Origin::Initial;
        QString working;
        std::vector<Input> inputs;
    };
    struct Total {
        QString text = QStringLiteral("0");
        Origin origin = Origin::Initial;
        QString working;
    };

    [[nodiscard]] const Result& result(ResultId id) const;
    [[nodiscard]] Result& result(ResultId id);
    [[nodiscard]] std::vector<ResultId> terms(TotalKind total) const;
    // What Tính adds for the total, read from the results as they stand, in W.
    [[nodiscard]] std::vector<double> termsW(TotalKind total) const;
    [[nodiscard]] QString staleness(const Result& result) const;
    [[nodiscard]] QString marks(const Result& result) const;
    [[nodiscard]] bool totalsOutOfDate() const;
    void writeTotal(TotalKind total, double valueW);
    void recordTotals();

    std::array<QString, allRoomValues.size()> room_;
    std::vector<Result> averages_; // by entry
    std::vector<Result> peaks_;    // by entry; used where the component has a peak
    std::array<Total, allTotals.size()> totals_;
};

} // namespace kelvora::room
