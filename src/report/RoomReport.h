#pragma once

// The whole room as a report, for a spreadsheet or a written document. The
// report reads the room model as it stands (its values, each result's and
// total's state) and lays it out as three tables: the
// room and its air, the components with their workings, and the two totals in
// W, kW and BTU/h. Every row of a table has as many cells as its header;
// units stand in the header or a column of their own, never beside a number.
// A number goes out as the number the program reads from its field, in a form
// no locale misreads, with what the field says in words in the row's note:
// the text typed where it spells another number, a result typed by hand or
// out of date, every warning the field shows. The clipboard gets it twice:
// tab-separated rows for a spreadsheet's text paste, with the user's decimal
// separator; and HTML tables, whose cells carry their numbers for
// spreadsheets (x:num, sdval) and are marked as text where they are text, so
// that nothing pasted runs as a formula.

#include <QLocale>
#include <QString>

#include <optional>
#include <vector>

namespace kelvora::room {
class RoomModel;
}

namespace kelvora::report {

inline constexpr const char* copyButtonTip =
    "Chép cả phòng (số liệu, kết quả và cách tính) vào bộ nhớ tạm, để dán thành bảng vào "
    "bảng tính hay văn bản";

// The largest magnitude a spreadsheet holds as a number; beyond it, a number
// goes out as text, which no spreadsheet misreads.
inline constexpr double largestSpreadsheetNumber = 9.99999999999999e307;

class RoomReport {
public:
    explicit RoomReport(const room::RoomModel& model);

    [[nodiscard]] QString plainText(const QLocale& locale) const; // text/plain
    [[nodiscard]] QString html(const QLocale& locale) const;      // text/html

    // Hands both forms, in the user's locale, to the clipboard; false where
    // there is no clipboard to take them.
    [[nodiscard]] bool copyToClipboard() const;

    struct Cell {
        QString text;                 // a number's in its exact form, '.' as decimal point
        std::optional<double> number; // for a number
        // A working: its numbers go out with the decimal separator of the
        // numbers beside it.
        bool working = false;
    };
    struct Table {
        QString heading;
        std::vector<Cell> header;
        std::vector<std::vector<Cell>> rows;
    };

private:
    std::vector<Table> tables_;
};

} // namespace kelvora::report
