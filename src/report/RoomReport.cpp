#include "RoomReport.h"

#include "core/ArithmeticFault.h"
#include "core/FieldText.h"
#include "core/HeatBalance.h"
#include "room/RoomModel.h"
#include "room/Words.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace kelvora::report {

namespace {

using namespace kelvora::room;
using Cell = RoomReport::Cell;
using Row = std::vector<Cell>;

// A room value as the report names it: spelled right, its unit apart; and
// the row under it of what the air check works out for it, where it has one.
struct RoomLine {
    RoomValue value;
    const char* label;
    const char* unit;
    const char* workedLabel = nullptr;
};

constexpr RoomLine roomLines[] = {
    {RoomValue::Name, "Tên phòng", ""},
    {RoomValue::AreaM2, "Diện tích phòng", "m²"},
    {RoomValue::People, "Số người", "người"},
    {RoomValue::OutdoorC, "Nhiệt độ không khí ngoài trời", "°C"},
    {RoomValue::IndoorC, "Nhiệt độ không khí trong phòng", "°C"},
    {RoomValue::OutdoorHumidityPercent, "Độ ẩm không khí ngoài trời", "%"},
    {RoomValue::IndoorHumidityPercent, "Độ ẩm không khí trong phòng", "%"},
    {RoomValue::OutdoorMoistureGPerKg, "Dung ẩm không khí ngoài trời", "g/kg",
     "Dung ẩm ngoài trời theo t, φ"},
    {RoomValue::IndoorMoistureGPerKg, "Dung ẩm không khí trong phòng", "g/kg",
     "Dung ẩm trong phòng theo t, φ"},
    {RoomValue::OutdoorEnthalpyKJPerKg, "Entanpi không khí ngoài trời", "kJ/kg",
     "Entanpi ngoài trời theo t, φ"},
    {RoomValue::IndoorEnthalpyKJPerKg, "Entanpi không khí trong phòng", "kJ/kg",
     "Entanpi trong phòng theo t, φ"},
};
static_assert(std::size(roomLines) == allRoomValues.size());

Cell text(const QString& text) {
    // A cell is one line: a working's or a note's lines go on after "; ".
    QString line = text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral("; "));
    line.replace(u'\n', QStringLiteral("; "));
    line.replace(u'\r', QStringLiteral("; "));
    return {line, std::nullopt, false};
}

Cell text(const char* utf8) {
    return text(QString::fromUtf8(utf8));
}

Cell working(const QString& working) {
    Cell cell = text(working);
    cell.working = true;
    return cell;
}

Cell number(double value) {
    return {QString::fromStdString(exactText(value)), value, false};
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

// A text as a cell: the number it reads as, where a spreadsheet can hold
// that number; the text itself where it holds none (nothing, "mười") or one
// too large, with the limit said.
struct ValueCell {
    Cell cell;
    QString reading; // "<typedAs> '1,5': đọc được 1"
    QString limit;
};

ValueCell valueCell(const QString& typed, const QString& typedAs) {
    const FlagsKept flags; // a text beyond the double range raises the overflow flag
    if (typed.isEmpty())
        return {text(typed), {}, {}};
    const double value = readNumber(typed);
    // Quoted whole, unlike a tooltip: the copy is all that leaves with it.
    const QString said = reading(typedAs, typed, value);
    if (likelyMisreading(typed.toStdString()).kind == Misreading::NoNumber)
        return {text(typed), said, {}};
    if (!std::isfinite(value) || std::abs(value) > largestSpreadsheetNumber)
        return {text(typed), said,
                QStringLiteral("Số vượt giới hạn của bảng tính nên được chép dạng chữ")};
    return {number(value), readsOtherwise(typed) ? said : QString(), {}};
}

struct Result {
    Cell cell;
    QString note;
    QString working;
};

// A result's or a total's number, and what its state says beside it.
Result result(const ResultState& state, const QString& shown) {
    const ValueCell value = valueCell(shown, QStringLiteral("Nhập tay"));
    const QString typed =
        state.typed ? (state.misread ? value.reading : QStringLiteral("Nhập tay")) : QString();
    return {value.cell, joined({typed, state.stale, state.totalsStale, state.marked, value.limit}),
            state.working};
}

// The moisture content or the enthalpy the moist-air check works out from
// the side's temperature and humidity (t, φ), as a fill would write it: a
// row of its own under the value typed.
std::vector<Cell> byTemperatureAndHumidity(const RoomModel& model, const RoomLine& line) {
    const std::optional<AirSide> side = filledSide(line.value);
    if (!side)
        return {};
    const AirFill fill = model.fill(*side);
    const QString worked = filledText(fill, line.value);
    return {text(line.workedLabel), worked.isEmpty() ? text(worked) : number(readNumber(worked)),
            text(line.unit), text(fill.whyNot)};
}

RoomReport::Table roomTable(const RoomModel& model) {
    RoomReport::Table table{
        QStringLiteral("Phòng"), cells({"Số liệu phòng", "Giá trị", "Đơn vị", "Ghi chú"}), {}};
    for (const RoomLine& line : roomLines) {
        const QString typed = model.text(line.value);
        // The name is text, whatever it starts with.
        const ValueCell value = line.value == RoomValue::Name
                                    ? ValueCell{text(typed), {}, {}}
                                    : valueCell(typed, QStringLiteral("Nhập"));
        table.rows.push_back(
            {text(line.label), value.cell, text(line.unit),
             text(joined(QStringList{value.reading} + model.state(line.value).warnings() +
                         QStringList{value.limit}))});
        if (line.workedLabel != nullptr)
            table.rows.push_back(byTemperatureAndHumidity(model, line));
    }
    return table;
}

RoomReport::Table componentTable(const RoomModel& model) {
    RoomReport::Table table{
        QStringLiteral("Nhiệt thừa theo thành phần"),
        cells({"Thành phần", "Trung bình (W)", "Max (W)", "Cách tính", "Cách tính Max", "Ghi chú"}),
        {}};
    for (std::size_t entry = 0; entry < components().size(); ++entry) {
        const ResultId averageId{entry, ResultKind::Average};
        const Result average = result(model.state(averageId), model.text(averageId));
        Result peak{text(QString()), {}, {}};
        if (components()[entry].hasPeak()) {
            const ResultId peakId{entry, ResultKind::Peak};
            peak = result(model.state(peakId), model.text(peakId));
        }
        const QString peakNote =
            peak.note.isEmpty() ? QString() : QStringLiteral("Max: ") + peak.note;
        table.rows.push_back({text(components()[entry].reportText), average.cell, peak.cell,
                              working(average.working), working(peak.working),
                              text(joined({average.note, peakNote}))});
    }
    return table;
}

RoomReport::Table totalsTable(const RoomModel& model) {
    RoomReport::Table table{QStringLiteral("Tổng nhiệt thừa"),
                            cells({"Tổng nhiệt thừa", "W", "kW", "BTU/h", "Cách tính", "Ghi chú"}),
                            {}};
    for (const TotalKind kind : allTotals) {
        const Result total = result(model.state(kind), model.text(kind));
        Row row{text(totalLabel(kind)), total.cell,      text(QString()), text(QString()),
                working(total.working), text(total.note)};
        if (total.cell.number) {
            row[2] = number(kilowatts(*total.cell.number));
            row[3] = number(btuPerHour(*total.cell.number));
        }
        table.rows.push_back(row);
    }
    return table;
}

// A working's decimal points as the locale writes them: a point between two
// digits is one, and nothing else in a working is.
QString localised(const QString& working, const QLocale& locale) {
    static const QRegularExpression decimalPoint(QStringLiteral("(?<=[0-9])\\.(?=[0-9])"));
    QString shown = working;
    return shown.replace(decimalPoint, locale.decimalPoint());
}

RoomReport::Table sizingTable(const RoomModel& model, const Sizing& sizing) {
    RoomReport::Table table{
        QStringLiteral("Chọn máy"),
        cells({"Chọn máy", "kW", "BTU/h", "W/m²", "Máy đề nghị (BTU/h)", "Ghi chú"}),
        {}};
    const ResultState state = model.state(TotalKind::Maximum);
    QString unitNote = QStringLiteral("Không cần máy");
    Cell unit = text(QString());
    if (sizing.unit) {
        unit = number(sizing.unit->btuPerHour);
        unitNote = unitWords(sizing.unit->btuPerHour, sizing.unit->horsepower);
    } else if (sizing.aboveLargest) {
        unitNote = QStringLiteral("Trên %1 BTU/h: cần nhiều máy hoặc một hệ thống trung tâm")
                       .arg(numberField(splitUnitSizes.back().btuPerHour));
    }
    table.rows.push_back({text("Tải lớn nhất"), number(sizing.kilowatts), number(sizing.btuPerHour),
                          sizing.wattsPerM2 ? number(*sizing.wattsPerM2) : text(QString()), unit,
                          text(joined({unitNote, state.stale, state.totalsStale, state.marked}))});
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
    if (cell.working)
        shown = localised(shown, locale);
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
// holds the widest table; the workings and the notes take most of it, so
// that a whole room fits one A4 page.
constexpr int columnWidthsPx[] = {120, 44, 44, 150, 150, 132};

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
        return QStringLiteral("<%1 width=\"%2\" align=\"right\" nowrap "
                              "style=\"white-space:nowrap;text-align:right\" x:num=\"%3\" "
                              "sdval=\"%3\" sdnum=\"1033;0;%4\">%5</%1>")
            .arg(tag)
            .arg(widthPx)
            .arg(cell.text, format, plainCell(cell, locale));
    }
    // Marked as text (@) for spreadsheets, so that "=A1+1" stays these characters.
    return QStringLiteral("<%1 width=\"%2\" x:str sdnum=\"1033;0;@\" "
                          "style=\"mso-number-format:'\\@'\">%3</%1>")
        .arg(tag)
        .arg(widthPx)
        .arg((cell.working ? localised(cell.text, locale) : cell.text).toHtmlEscaped());
}

} // namespace

RoomReport::RoomReport(const RoomModel& model)
    : tables_{roomTable(model), componentTable(model), totalsTable(model)} {
    if (const std::optional<Sizing> sizing = model.sizing())
        tables_.push_back(sizingTable(model, *sizing));
}

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
                       "charset=\"utf-8\"><style>body,td,th{font-size:7pt} "
                       "h3{font-size:9pt;margin-top:4pt;margin-bottom:2pt}</style></head><body>\n");
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
        html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\">\n");
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

} // namespace kelvora::report
