#pragma once

// What the main window's result fields remember of how they came to hold
// their numbers, and the one judgement of whether each result and each total
// still holds. A calculator's write hands over the working and the room
// values it was computed with; the field's note then shows "Cách tính: …".
// A text the user types replaces the working with "Nhập tay"; Clear forgets
// everything. Whenever a room field comes to read another number than a
// result was computed with, that result turns amber with "Chưa tính lại: …"
// until the two agree again; a copy the user typed over in the calculator is
// the user's own input, named in the working, and never makes it stale. A
// result computed with a room value that cannot be carries that value's
// mark. The totals' notes show the sum Tính formed and the load in kW and
// BTU/h, list the components that are out of date, and say when the totals
// shown are not what Tính would write now. The window's notes and the copied
// report both read state(), so that the two never tell different stories.
// Nothing is worked out before a result is written.

#include "Room.h"
#include "RoomFields.h"

#include <QObject>
#include <QString>

#include <vector>

class QLineEdit;

namespace kelvora::ui {

// Where a result or a total stands, in the words the window shows. Every
// text is empty where it has nothing to say.
struct ResultState {
    QString working; // the formula with its numbers, without "Cách tính: "
    bool typed = false;
    // Typed, and its text is not the number it reads as ("1,5" reads 1).
    bool misread = false;
    QString stale;       // "Chưa tính lại: …": computed with room values since changed
    QString totalsStale; // of a total: Tính would now write another number
    QString implausible; // computed with a room value that cannot be
};

class ResultHistory : public QObject {
    Q_OBJECT

public:
    // Follows the fields and the room's values, and Tính and Xoá.
    ResultHistory(Room& room, RoomFields fields, QObject* parent);

    // The calculator's result has just been written into field.
    void computed(QLineEdit* field, const Worked& result, const ResultInputs& inputs);

    // Of a result's or a total's field, as it stands now.
    [[nodiscard]] ResultState state(const QLineEdit* field) const;

    [[nodiscard]] const RoomFields& fields() const { return fields_; }

private:
    struct Result {
        QLineEdit* field = nullptr;
        QString window;  // the calculator's name, as the average's field is named
        QString working; // the formula with its numbers and its result
        bool typed = false;
        ResultInputs inputs;
    };
    struct Total {
        QLineEdit* field = nullptr;
        std::vector<QLineEdit*> terms; // in the order Tính adds them
        QString working;
        bool typed = false;
    };

    void followResult(QLineEdit* field, const QString& window);
    void followTotal(QLineEdit* total, std::vector<QLineEdit*> terms);
    void totalsComputed();
    void cleared();
    void showResult(const Result& result);
    void showTotal(const Total& total);
    void showTotals();
    void showAll();
    [[nodiscard]] QString staleness(const Result& result) const;
    [[nodiscard]] QString staleness(const Total& total) const;
    [[nodiscard]] QString implausibility(const Result& result) const;
    [[nodiscard]] bool totalsOutOfDate() const;

    Room& room_;
    RoomFields fields_;
    std::vector<Result> results_;
    std::vector<Total> totals_;
};

// A load in W as the units are sold, the number only: kW, BTU/h. Empty for a
// text that reads as no finite number.
[[nodiscard]] QString kilowattsText(const QLineEdit* loadW);
[[nodiscard]] QString btuPerHourText(const QLineEdit* loadW);

} // namespace kelvora::ui
