#pragma once

// What the main window's result fields remember of how they came to hold
// their numbers. A calculator's write hands over the working and the room
// values it was computed with; the field's note then shows "Cách tính: …".
// A text the user types replaces the working with "Nhập tay"; Clear forgets
// everything. Whenever a room field comes to read another number than a
// result was computed with, that result turns amber with "Chưa tính lại: …"
// until the two agree again; a copy the user typed over in the calculator is
// the user's own input, named in the working, and never makes it stale. A
// result computed with a room value that cannot be carries that value's
// mark. The totals' notes show the sum Tính formed and
// the load in kW and BTU/h, and list the components that are out of date.
// Nothing is worked out before a result is written.

#include "Room.h"

#include <QObject>
#include <QString>

#include <vector>

class QLineEdit;

namespace kelvora::ui {

class Kelvora;

class ResultHistory : public QObject {
    Q_OBJECT

public:
    // Follows the window's result fields, its room fields and its Tính and Xoá.
    explicit ResultHistory(Kelvora& window);

    // The calculator's result has just been written into field.
    void computed(QLineEdit* field, const Worked& result, const ResultInputs& inputs);

    // For the report, of a result or a total field: its working without
    // "Cách tính: " (empty when there is none), whether it was typed by hand,
    // and why it no longer holds (empty while it does).
    [[nodiscard]] QString working(const QLineEdit* field) const;
    [[nodiscard]] bool typed(const QLineEdit* field) const;
    [[nodiscard]] QString staleness(const QLineEdit* field) const;

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
    void showAll();
    [[nodiscard]] QString staleness(const Result& result) const;
    [[nodiscard]] QString staleness(const Total& total) const;

    Room& room_;
    std::vector<Result> results_;
    std::vector<Total> totals_;
};

// A load in W as the units are sold, the number only: kW, BTU/h. Empty for a
// text that reads as no finite number.
[[nodiscard]] QString kilowattsText(const QLineEdit* loadW);
[[nodiscard]] QString btuPerHourText(const QLineEdit* loadW);

} // namespace kelvora::ui
