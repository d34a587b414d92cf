#include "RoomReport.h"

#include "ComponentTable.h"
#include "FieldNotes.h"
#include "Fields.h"
#include "ResultHistory.h"
#include "core/ArithmeticFault.h"
#include "core/FieldText.h"
#include "core/HeatBalance.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace kelvora::ui {

namespace {

using Cell = RoomReport::Cell;
using Row = std::vector<Cell>;

// A room field as the report names it: spelled right, its unit apart.
struct RoomLine {
    const char* field; // the field's name
    const char* label;
    const char* unit;
};

constexpr RoomLine roomLines[] = {
    {"txttenphong", "Tên phòng", ""},
    {"txtdientich", "Diện tích phòng", "m²"},
    {"txtsonguoi", "Số người", "người"},
    {"txtnhietdongoai", "Nhiệt độ không khí ngoài trời", "°C"},
    {"txtnhietdotrong", "Nhiệt độ không khí trong phòng", "°C"},
    {"txtdoamngoai", "Độ ẩm không khí ngoài trời", "%"},
    {"txtdoamtrong", "Độ ẩm không khí trong phòng", "%"},
    {"txtdungamngoai", "Dung ẩm không khí ngoài trời", "g/kg"},
    {"txtdungamtrong", "Dung ẩm không khí trong phòng", "g/kg"},
    {"txtenthanpyngoai", "Entanpi không khí ngoài trời", "kJ/kg"},
    {"txtenthanpytrong", "Entanpi không khí trong phòng", "kJ/kg"},
};

Cell text(const QString& text) {
    // A cell is one line: a working's or a note's lines go on after "; ".
    QString line = text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral("; "));
    line.replace(u'\n', QStringLiteral("; "));
    line.replace(u'\r', QStringLiteral("; "));
    return {line, std::nullopt};
}

Cell text(const char* utf8) {
    return text(QString::fromUtf8(utf8));
}

Cell number(double value) {
    return {QString::fromStdString(exactText(value)), value};
}

Row cells(std::initializer_list<const char*> texts) {
    Row row;
    for (const char* cell : texts)
        row.push_back(text(cell));
    return row;
}

QString joined(const QStringList& parts) {
    QStringList said;
    for (const QString& part : parts)
        if (!part.isEmpty())
            said << part;
    return said.join(QStringLiteral("; "));
}

// A field's text as a cell: the number it reads as, where a spreadsheet can
// hold that number; the text itself where it holds none (nothing, "mười") or
// one too large, with the limit said.
struct ValueCell {
    Cell cell;
    QString reading; // "<typedAs> '1,5': đọc được 1"
    QString limit;
};

ValueCell valueCell(const QString& typed, const QString& typedAs) {
    const FlagsKept flags; // a text beyond the double range raises the overflow flag
    if (typed.isEmpty())
        return {text(typed), {}, {}};
    const double value = fieldValue(typed);
    // Quoted whole, unlike a tooltip: the copy is all that leaves with it.
    const QString reading =
        QStringLiteral("%1 '%2': đọc được %3").arg(typedAs, typed, numberWords(value));
    if (likelyMisreading(typed.toStdString()).kind == Misreading::NoNumber)
        return {text(typed), reading, {}};
    if (!std::isfinite(value) || std::abs(value) > largestSpreadsheetNumber)
        return {text(typed), reading,
                QStringLiteral("Số vượt giới hạn của bảng tính nên được chép dạng chữ")};
    return {number(value), readsOtherwise(typed) ? reading : QString(), {}};
}

struct Result {
    Cell cell;
    QString note;
    QString working;
};

// A result's or a total's number, and what its state says beside it.
Result result(const ResultHistory& history, const QLineEdit* field) {
    const ResultState state = history.state(field);
    const ValueCell value = valueCell(field->text(), QStringLiteral("Nhập tay"));
    const QString typed =
        state.typed ? (state.misread ? value.reading : QStringLiteral("Nhập tay")) : QString();
    return {value.cell,
            joined({typed, state.stale, state.totalsStale, state.implausible, value.limit}),
            state.working};
}

RoomReport::Table roomTable(const ResultHistory& history) {
    RoomReport::Table table{
        QStringLiteral("Phòng"), cells({"Số liệu phòng", "Giá trị", "Đơn vị", "Ghi chú"}), {}};
    for (const QLineEdit* field : history.fields().room) {
        const RoomLine* line = nullptr;
        for (const RoomLine& candidate : roomLines)
            if (field->objectName() == QLatin1String(candidate.field))
                line = &candidate;
        if (line == nullptr)
            continue;
        // The name is text, whatever it starts with.
        const ValueCell value = line == &roomLines[0]
                                    ? ValueCell{text(field->text()), {}, {}}
                                    : valueCell(field->text(), QStringLiteral("Nhập"));
        table.rows.push_back({text(line->label), value.cell, text(line->unit),
                              text(joined(QStringList{value.reading} + warnings(field) +
                                          QStringList{value.limit}))});
    }
    return table;
}

RoomReport::Table componentTable(const ResultHistory& history) {
    RoomReport::Table table{
        QStringLiteral("Nhiệt thừa theo thành phần"),
        cells({"Thành phần", "Trung bình (W)", "Max (W)", "Cách tính", "Cách tính Max", "Ghi chú"}),
        {}};
    const std::vector<ComponentFields>& fields = history.fields().components;
    for (std::size_t entry = 0; entry < fields.size(); ++entry) {
        const Result average = result(history, fields[entry].averageW);
        Result peak{text(QString()), {}, {}};
        if (fields[entry].peakW != nullptr)
            peak = result(history, fields[entry].peakW);
        const QString peakNote =
            peak.note.isEmpty() ? QString() : QStringLiteral("Max: ") + peak.note;
        table.rows.push_back({text(components()[entry].reportText), average.cell, peak.cell,
                              text(average.working), text(peak.working),
                              text(joined({average.note, peakNote}))});
    }
    return table;
}

RoomReport::Table totalsTable(const ResultHistory& history) {
    RoomReport::Table table{QStringLiteral("Tổng nhiệt thừa"),
                            cells({"Tổng nhiệt thừa", "W", "kW", "BTU/h", "Cách tính", "Ghi chú"}),
                            {}};
    for (const QLineEdit* field :
         {history.fields().averageTotalW, history.fields().maximumTotalW}) {
        const Result total = result(history, field);
        Row row{text(field->accessibleName()), total.cell,      text(QString()), text(QString()),
                text(total.working),           text(total.note)};
        if (total.cell.number) {
            row[2] = number(kilowatts(*total.cell.number));
            row[3] = number(btuPerHour(*total.cell.number));
        }
        table.rows.push_back(row);
    }
    return table;
}

// A cell of a tab-separated row. A spreadsheet takes a pasted cell that
// starts like a formula for one and runs it (a room named "=HYPERLINK(…)"),
// and one that spells a number for that number (a result of "1E308", too
// large for it, copied as text); such a text cell is marked as text with the
// apostrophe every spreadsheet reads that way. A cell with a quote is quoted
// whole, its quotes doubled: a quote at a cell's start would open a cell that
// runs on over tabs and lines.
QString plainCell(const Cell& cell, const QLocale& locale) {
    QString shown = cell.text;
    if (cell.number)
        return shown.replace(u'.', locale.decimalPoint());
    shown.replace(u'\t', u' ');
    const QRegularExpression numberLike(
        QStringLiteral("^\\s*[+-]?([0-9]+([.,][0-9]*)?|[.,][0-9]+)([Ee][+-]?[0-9]+)?\\s*$"));
    if (!shown.isEmpty() &&
        (QStringLiteral("=+-@").contains(shown.front()) || numberLike.match(shown).hasMatch()))
        shown.prepend(u'\'');
    if (shown.contains(u'"'))
        shown = u'"' + shown.replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
    return shown;
}

// Every table gives its n-th column the same width: a spreadsheet lays the
// pasted tables out on one grid of columns, and tables whose columns do not
// line up come out with each cell merged over several of them.
// 640 px in all: the width of a page's text, so that a word processor's page
// holds the widest table.
constexpr int columnWidthsPx[] = {160, 64, 64, 132, 132, 88};

QString htmlCell(const Cell& cell, const QLocale& locale, bool header, std::size_t column) {
    const QString tag = header ? QStringLiteral("th") : QStringLiteral("td");
    const int widthPx = columnWidthsPx[std::min(column, std::size(columnWidthsPx) - 1)];
    if (cell.number) {
        // The value for spreadsheets, read with the decimal point of en-US
        // (1033) and shown in the format of the locale that pastes it (0),
        // with all its decimals: a word processor's "General" shows two.
        const qsizetype point = cell.text.indexOf(u'.');
        const bool exponent = cell.text.contains(u'e');
        const QString format =
            exponent    ? QStringLiteral("General")
            : point < 0 ? QStringLiteral("0")
                        : QStringLiteral("0.") + QString(cell.text.size() - point - 1, u'0');
        return QStringLiteral(
                   "<%1 width=\"%2\" nowrap style=\"white-space:nowrap\" x:num=\"%3\" sdval=\"%3\" "
                   "sdnum=\"1033;0;%4\">%5</%1>")
            .arg(tag)
            .arg(widthPx)
            .arg(cell.text, format, plainCell(cell, locale));
    }
    // Marked as text (@) for spreadsheets, so that "=A1+1" stays these characters.
    return QStringLiteral("<%1 width=\"%2\" x:str sdnum=\"1033;0;@\" "
                          "style=\"mso-number-format:'\\@'\">%3</%1>")
        .arg(tag)
        .arg(widthPx)
        .arg(cell.text.toHtmlEscaped());
}

} // namespace

RoomReport::RoomReport(const ResultHistory& history)
    : tables_{roomTable(history), componentTable(history), totalsTable(history)} {}

QString RoomReport::plainText(const QLocale& locale) const {
    QStringList lines;
    const auto write = [&lines, &locale](const Row& row) {
        QStringList line;
        for (const Cell& cell : row)
            line << plainCell(cell, locale);
        lines << line.join(u'\t');
    };
    for (const Table& table : tables_) {
        if (!lines.isEmpty())
            lines << QString(); // a blank row between the tables
        write(table.header);
        for (const Row& row : table.rows)
            write(row);
    }
    return lines.join(u'\n') + u'\n';
}

QString RoomReport::html(const QLocale& locale) const {
    // x:num and x:str are Excel's, in the namespace Excel declares for them.
    QString html =
        QStringLiteral("<html xmlns:x=\"urn:schemas-microsoft-com:office:excel\"><head><meta "
                       "charset=\"utf-8\"></head><body>\n");
    const auto write = [&html, &locale](const Row& row, bool header) {
        html += QStringLiteral("<tr>");
        for (std::size_t column = 0; column < row.size(); ++column)
            html += htmlCell(row[column], locale, header, column);
        html += QStringLiteral("</tr>\n");
    };
    for (const Table& table : tables_) {
        // A line break, not an empty paragraph, is what leaves a blank row
        // between two tables in a spreadsheet.
        if (&table != &tables_.front())
            html += QStringLiteral("<br>\n");
        html += QStringLiteral("<h3>%1</h3>\n").arg(table.heading.toHtmlEscaped());
        html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">\n");
        write(table.header, true);
        for (const Row& row : table.rows)
            write(row, false);
        html += QStringLiteral("</table>\n");
    }
    return html + QStringLiteral("</body></html>\n");
}

bool RoomReport::copyToClipboard() const {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr)
        return false;
    const QLocale locale = QLocale::system();
    auto* data = new QMimeData;
    data->setText(plainText(locale));
    data->setHtml(html(locale));
    clipboard->setMimeData(data);
    return true;
}

} // namespace kelvora::ui
