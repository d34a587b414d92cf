// The copied room pasted into LibreOffice Calc set to the locale the test runs
// in (CTest runs it in Vietnamese, where "12.873" reads as twelve thousand,
// and in English): from the HTML and from the text alike, every number
// arrives as the same number, and a room name that looks like a formula as text;
// pasted into a document, the whole room fills one page.

#include "SampleRoom.h"
#include "Spreadsheet.h"
#include "UiDriver.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLocale>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <optional>
#include <tuple>

using namespace kelvora::ui::test;

namespace {

const QString roomName = QStringLiteral("=A1+1 Phòng");

const char* formName(bool html) {
    return html ? "HTML" : "text";
}

} // namespace

class tst_Spreadsheet : public SessionTest {
    Q_OBJECT

private slots:
    void cells_data();
    void cells();
    void noFormulas_data();
    void noFormulas();
    void onePageInADocument();

private:
    // The sample room, copied and pasted into Calc once for every test.
    const Sheet& pasted(bool html);
    std::optional<PastedRoom> pasted_;
    QString copiedHtml_;
};

const Sheet& tst_Spreadsheet::pasted(bool html) {
    if (!pasted_) {
        retype(window->txttenphong, roomName);
        if (QString failure; !computeSampleRoom(*window, failure))
            return (pasted_ = PastedRoom{{}, {}, failure})->fromHtml;
        clickButton(window->cmdsaochep);
        const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
        if (copied != nullptr)
            copiedHtml_ = copied->html();
        pasted_ = copied == nullptr ? PastedRoom{{}, {}, QStringLiteral("nothing was copied")}
                                    : pasteIntoCalc(QLocale::system().bcp47Name(), copied->html(),
                                                    copied->text());
    }
    return html ? pasted_->fromHtml : pasted_->fromText;
}

void tst_Spreadsheet::cells_data() {
    QTest::addColumn<bool>("html"); // else the text
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("column");        // 1 for B
    QTest::addColumn<QVariant>("expected"); // a number (double) or a text
    // Worked out by hand from the sample room, as tst_Workings has them.
    const std::tuple<const char*, int, double> cells[] = {
        {"Diện tích phòng", 1, 60},
        {"Số người", 1, 21},
        {"Nhiệt độ không khí ngoài trời", 1, 34.6},
        {"Nhiệt độ không khí trong phòng", 1, 25},
        {"Độ ẩm không khí ngoài trời", 1, 74},
        {"Độ ẩm không khí trong phòng", 1, 65},
        {"Dung ẩm không khí ngoài trời", 1, 26},
        {"Dung ẩm không khí trong phòng", 1, 12.873},
        {"Entanpi không khí ngoài trời", 1, 101.6478},
        {"Entanpi không khí trong phòng", 1, 57.9914},
        // 25 °C and 65 %, as tst_RoomModel has them against the steam tables.
        {"Dung ẩm trong phòng theo t, φ", 1, 12.909},
        {"Entanpi trong phòng theo t, φ", 1, 58.0367},
        {"Nhiệt do máy móc Q1", 1, 1300},
        {"Nhiệt do đèn chiếu sáng Q2", 1, 660},
        {"Nhiệt do người toả ra Q3", 1, 1554},
        {"Nhiệt do lọt không khí Q4", 1, 3929},
        {"Nhiệt do bức xạ qua kính Q5", 1, 1076},
        {"Nhiệt do bức xạ qua kính Q5", 2, 1723},
        {"Nhiệt do thâm nhập qua kết cấu bao che do chênh lệch nhiệt độ Q6", 1, 1321},
        {"Nhiệt do bức xạ qua mái Q7", 1, 98},
        {"Nhiệt do bức xạ qua mái Q7", 2, 151},
        {"Nhiệt do xâm nhập qua nền Q8", 1, 338},
        {"Nhiệt tổng Q Trung bình", 1, 10276},
        {"Nhiệt tổng Q Trung bình", 2, 10.28},
        {"Nhiệt tổng Q Trung bình", 3, 35063},
        {"Nhiệt tổng Q Max", 1, 10976},
        {"Nhiệt tổng Q Max", 2, 10.98},
        {"Nhiệt tổng Q Max", 3, 37452},
        // 10976 W / 60 m² = 182.93 W/m²; 37452 BTU/h takes the 48000 BTU/h unit.
        {"Tải lớn nhất", 1, 10.98},
        {"Tải lớn nhất", 2, 37452},
        {"Tải lớn nhất", 3, 183},
        {"Tải lớn nhất", 4, 48000},
    };
    for (const bool html : {true, false}) {
        for (const auto& [label, column, expected] : cells)
            QTest::addRow("%s: %s, %c", formName(html), label, 'A' + column)
                << html << QString::fromUtf8(label) << column << QVariant(expected);
        // The text keeps the apostrophe that tells a spreadsheet it is no
        // formula; Calc's text import, unlike its typing, keeps it in the cell.
        QTest::addRow("%s: room name", formName(html))
            << html << QStringLiteral("Tên phòng") << 1
            << QVariant(html ? roomName : u'\'' + roomName);
    }
}

void tst_Spreadsheet::cells() {
    QFETCH(bool, html);
    QFETCH(QString, label);
    QFETCH(int, column);
    QFETCH(QVariant, expected);
    const Sheet row = rowLabelled(pasted(html), label);
    QVERIFY2(pasted_->failure.isEmpty(), qPrintable(pasted_->failure));
    const auto cell = std::find_if(row.cbegin(), row.cend(),
                                   [column](const SheetCell& c) { return c.column == column; });
    const bool number = expected.typeId() == QMetaType::Double;
    const bool arrived =
        cell != row.cend() &&
        (number ? cell->kind == SheetCell::Kind::Number && cell->number == expected.toDouble()
                : cell->kind == SheetCell::Kind::Text && cell->text == expected.toString());
    QVERIFY2(arrived,
             qPrintable(QStringLiteral("%1 in %2: not the %3 %4 in column %5 of the row \"%6\", "
                                       "which holds %7")
                            .arg(formName(html), QLocale::system().bcp47Name(),
                                 number ? QStringLiteral("number") : QStringLiteral("text"),
                                 number ? QString::number(expected.toDouble(), 'g',
                                                          QLocale::FloatingPointShortest)
                                        : u'"' + expected.toString() + u'"',
                                 QString(QChar(char16_t(u'A' + column))), label,
                                 row.isEmpty() ? QStringLiteral("nothing") : describe(row))));
}

void tst_Spreadsheet::noFormulas_data() {
    QTest::addColumn<bool>("html");
    for (const bool html : {true, false})
        QTest::newRow(formName(html)) << html;
}

void tst_Spreadsheet::noFormulas() {
    QFETCH(bool, html);
    const Sheet& sheet = pasted(html);
    QVERIFY2(pasted_->failure.isEmpty(), qPrintable(pasted_->failure));
    QVERIFY(sheet.size() > 50); // the room arrived, with more than its labels
    Sheet formulas;
    for (const SheetCell& cell : sheet)
        if (cell.kind == SheetCell::Kind::FormulaOrError)
            formulas << cell;
    QVERIFY2(formulas.isEmpty(), qPrintable(describe(formulas)));
}

void tst_Spreadsheet::onePageInADocument() {
    std::ignore = pasted(true);
    QVERIFY2(pasted_->failure.isEmpty(), qPrintable(pasted_->failure));
    QString failure;
    const int pages = pagesInWriter(copiedHtml_, failure);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QCOMPARE(pages, 1);
}

QTEST_MAIN(tst_Spreadsheet)
#include "tst_Spreadsheet.moc"
