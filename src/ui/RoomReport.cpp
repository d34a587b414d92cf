#include "RoomReport.h"

#include "ComponentTable.h"
#include "Kelvora.h"
#include "ResultHistory.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QRegularExpression>

namespace kelvora::ui {

namespace {

QStringList heading(std::initializer_list<const char*> cells) {
    QStringList row;
    for (const char* cell : cells)
        row << QString::fromUtf8(cell);
    return row;
}

// What the field's history says beside its number: typed, out of date, or nothing.
QString remark(const ResultHistory& history, const QLineEdit* field) {
    return history.typed(field) ? QStringLiteral("Nhập tay") : history.staleness(field);
}

QString joined(const QString& first, const QString& second) {
    if (first.isEmpty() || second.isEmpty())
        return first + second;
    return first + QStringLiteral("; ") + second;
}

// A cell of a tab-separated row: a tab or a line break in it would start
// another cell or another row. A spreadsheet takes a pasted cell that starts
// like a formula for one and runs it (a room named "=HYPERLINK(…)"), so such
// a cell, unless it is a plain number such as -500, is marked as text with
// the apostrophe every spreadsheet reads that way.
QString plainCell(QString text) {
    for (const QChar separator : {u'\t', u'\n', u'\r'})
        text.replace(separator, u' ');
    const QRegularExpression plainNumber(
        QStringLiteral("^[+-]?[0-9]+(\\.[0-9]+)?([Ee][+-]?[0-9]+)?$"));
    const bool formulaLike = !text.isEmpty() && QStringLiteral("=+-@").contains(text.front());
    if (formulaLike && !plainNumber.match(text).hasMatch())
        text.prepend(u'\'');
    return text;
}

} // namespace

RoomReport::RoomReport(const Kelvora& window) {
    std::vector<QStringList> room = {heading({"Phòng", "Giá trị"})};
    for (const QLineEdit* field :
         {window.txttenphong, window.txtdientich, window.txtsonguoi, window.txtnhietdongoai,
          window.txtnhietdotrong, window.txtdoamngoai, window.txtdoamtrong, window.txtdungamngoai,
          window.txtdungamtrong, window.txtenthanpyngoai, window.txtenthanpytrong})
        room.push_back({field->accessibleName(), field->text()});
    parts_.push_back(std::move(room));

    const ResultHistory& history = window.history();
    std::vector<QStringList> results = {heading(
        {"Thành phần", "Trung bình (W)", "Max (W)", "Cách tính", "Cách tính Max", "Ghi chú"})};
    for (const ComponentRow& component : components()) {
        const QLineEdit* average = window.*component.resultField;
        const QLineEdit* peak =
            component.peakField != nullptr ? window.*component.peakField : nullptr;
        QString note = remark(history, average);
        if (peak != nullptr && !remark(history, peak).isEmpty())
            note = joined(note, QStringLiteral("Max: ") + remark(history, peak));
        results.push_back({QString::fromUtf8(component.entryText), average->text(),
                           peak != nullptr ? peak->text() : QString(), history.working(average),
                           peak != nullptr ? history.working(peak) : QString(), note});
    }
    parts_.push_back(std::move(results));

    std::vector<QStringList> totals = {
        heading({"Tổng", "W", "kW", "BTU/h", "Cách tính", "Ghi chú"})};
    for (const QLineEdit* total : {window.txtQtong, window.txtqtongmax})
        totals.push_back({total->accessibleName(), total->text(), kilowattsText(total),
                          btuPerHourText(total), history.working(total), remark(history, total)});
    parts_.push_back(std::move(totals));
}

QString RoomReport::plainText() const {
    QStringList lines;
    for (const std::vector<QStringList>& part : parts_) {
        if (!lines.isEmpty())
            lines << QString();
        for (const QStringList& row : part) {
            QStringList cells;
            for (const QString& cell : row)
                cells << plainCell(cell);
            lines << cells.join(u'\t');
        }
    }
    return lines.join(u'\n') + u'\n';
}

QString RoomReport::html() const {
    QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body>\n");
    for (const std::vector<QStringList>& part : parts_) {
        html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">\n");
        bool first = true;
        for (const QStringList& row : part) {
            const QString cell = first ? QStringLiteral("th") : QStringLiteral("td");
            html += QStringLiteral("<tr>");
            for (const QString& text : row)
                html += QStringLiteral("<%1>%2</%1>").arg(cell, text.toHtmlEscaped());
            html += QStringLiteral("</tr>\n");
            first = false;
        }
        html += QStringLiteral("</table>\n<p></p>\n");
    }
    return html + QStringLiteral("</body></html>\n");
}

void RoomReport::copyToClipboard() const {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr)
        return;
    auto* data = new QMimeData;
    data->setText(plainText());
    data->setHtml(html());
    clipboard->setMimeData(data);
}

} // namespace kelvora::ui
