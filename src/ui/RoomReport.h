#pragma once

// The whole room as a table, for a written report. The report reads the main
// window's fields and the results' history as they stand and lays them out in
// three parts: the room and its conditions, the components with their
// workings and states, and the two totals in W, kW and BTU/h. The clipboard
// gets it twice: as tab-separated rows, which a spreadsheet pastes as cells,
// and as HTML tables, which a word processor pastes as tables.

#include <QString>
#include <QStringList>

#include <vector>

namespace kelvora::ui {

class Kelvora;

inline constexpr const char* copyButtonTip =
    "Chép cả phòng (số liệu, kết quả và cách tính) vào bộ nhớ tạm, để dán thành bảng vào "
    "bảng tính hay văn bản";

class RoomReport {
public:
    explicit RoomReport(const Kelvora& window);

    [[nodiscard]] QString plainText() const; // text/plain
    [[nodiscard]] QString html() const;      // text/html

    // Hands both forms to the clipboard. A clipboard that will not take them
    // changes nothing else, and nothing claims that it did.
    void copyToClipboard() const;

private:
    // Each part's first row is its heading.
    std::vector<std::vector<QStringList>> parts_;
};

} // namespace kelvora::ui
