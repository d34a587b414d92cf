// The room as Sao chép copies it: three tables of as many cells per row as
// their headers, numbers as the program reads them, in the locale's decimal
// separator as text and in a locale-free form in HTML, texts marked as text;
// what the screen warns in each row's note; and a passing note that says the
// room was copied.

#include "SampleRoom.h"
#include "UiDriver.h"

#include "report/RoomReport.h"
#include "ui/notes/PassingNote.h"

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

using namespace kelvora::ui::test;
using kelvora::report::RoomReport;

namespace {

const QLocale vietnamese(QLocale::Vietnamese, QLocale::Vietnam);

// An HTML row cell by cell: a header cell as [text], a number cell as {its
// value}its shown text, a text cell as its text. Empty, with the reason in
// failure, where a cell lacks the marks a spreadsheet reads.
QStringList cellsOf(const QString& htmlRow, QString& failure) {
    const QRegularExpression cell(QStringLiteral("<(t[hd]) ([^>]*)>(.*?)</\\1>"));
    const QRegularExpression value(QStringLiteral("x:num=\"([^\"]*)\""));
    QStringList cells;
    for (const QRegularExpressionMatch& match : cell.globalMatch(htmlRow)) {
        const QString attributes = match.captured(2);
        const QString shown = match.captured(3);
        if (const QRegularExpressionMatch number = value.match(attributes); number.hasMatch()) {
            if (!attributes.contains(QStringLiteral("sdval=\"%1\"").arg(number.captured(1))))
                failure = QStringLiteral("no sdval beside x:num in ") + match.captured(0);
            cells << QStringLiteral("{%1}%2").arg(number.captured(1), shown);
            continue;
        }
        if (!attributes.contains(QStringLiteral("x:str")) ||
            !attributes.contains(QStringLiteral("sdnum=\"1033;0;@\"")))
            failure = QStringLiteral("a text cell not marked as text: ") + match.captured(0);
        cells << (match.captured(1) == QStringLiteral("th") ? QStringLiteral("[%1]").arg(shown)
                                                            : shown);
    }
    return failure.isEmpty() ? cells : QStringList();
}

} // namespace

class tst_Copy : public SessionTest {
    Q_OBJECT

private slots:
    void copiedRows_data();
    void copiedRows();
    void badTexts_data();
    void badTexts();
    void notesSayWhatTheScreenWarns_data();
    void notesSayWhatTheScreenWarns();
    void saysItCopied();

private:
    void computeSampleRoom() {
        QString failure;
        QVERIFY2(kelvora::ui::test::computeSampleRoom(*window, failure), qPrintable(failure));
    }
    // The row of the text copy that starts with label, or of the HTML.
    [[nodiscard]] QString plainRow(const QString& label) const {
        const QString text = RoomReport(window->model()).plainText(vietnamese);
        const QStringList rows = text.split(u'\n').filter(
            QRegularExpression(QStringLiteral("^\"?") + QRegularExpression::escape(label + u'\t')));
        return rows.size() == 1 ? rows.front() : QStringLiteral("%1 rows").arg(rows.size());
    }
};

void tst_Copy::copiedRows_data() {
    QTest::addColumn<int>("row"); // of the three tables, counted together
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("html");
    // Worked out by hand from the sample room, in Vietnamese.
    QTest::newRow("room heading") << 0 << "Số liệu phòng\tGiá trị\tĐơn vị\tGhi chú"
                                  << "[Số liệu phòng]\t[Giá trị]\t[Đơn vị]\t[Ghi chú]";
    QTest::newRow("outdoor temperature") << 4 << "Nhiệt độ không khí ngoài trời\t34,6\t°C\t"
                                         << "Nhiệt độ không khí ngoài trời\t{34.6}34,6\t°C\t";
    QTest::newRow("indoor moisture") << 10 << "Dung ẩm không khí trong phòng\t12,873\tg/kg\t"
                                     << "Dung ẩm không khí trong phòng\t{12.873}12,873\tg/kg\t";
    // 25 °C and 65 % at 101.325 kPa, with the steam tables' 3.1698 kPa: 12.909 g/kg.
    QTest::newRow("indoor moisture by temperature and humidity")
        << 11 << "Dung ẩm trong phòng theo t, φ\t12,909\tg/kg\t"
        << "Dung ẩm trong phòng theo t, φ\t{12.909}12,909\tg/kg\t";
    QTest::newRow("results heading")
        << 16 << "Thành phần\tTrung bình (W)\tMax (W)\tCách tính\tCách tính Max\tGhi chú"
        << "[Thành phần]\t[Trung bình (W)]\t[Max (W)]\t[Cách tính]\t[Cách tính Max]\t[Ghi chú]";
    QTest::newRow("Q2, spelled right")
        << 18 << "Nhiệt do đèn chiếu sáng Q2\t660\t\t60 × 11 = 660 W\t\t"
        << "Nhiệt do đèn chiếu sáng Q2\t{660}660\t\t60 × 11 = 660 "
           "W\t\t";
    // A working's decimal points are the ones of the numbers beside it.
    QTest::newRow("Q4, a working with decimals")
        << 20
        << "Nhiệt do lọt không khí Q4\t3929\t\t(101,6478 − 57,9914) × ((180 × 1,8) / 3600) × "
           "1000 = 3929 W\t\t"
        << "Nhiệt do lọt không khí Q4\t{3929}3929\t\t(101,6478 − 57,9914) × ((180 × 1,8) / 3600) "
           "× 1000 = 3929 W\t\t";
    QTest::newRow("totals heading")
        << 25 << "Tổng nhiệt thừa\tW\tkW\tBTU/h\tCách tính\tGhi chú"
        << "[Tổng nhiệt thừa]\t[W]\t[kW]\t[BTU/h]\t[Cách tính]\t[Ghi chú]";
    const char* const sum = "Q1 + Q2 + Q3 + Q4 + Q5 Max + Q6 + Q7 Max + Q8 = 1300 + 660 + 1554 + "
                            "3929 + 1723 + 1321 + 151 + 338 = 10976 W";
    // The sample room's ceiling, floor and roofs keep coefficients no real one has.
    const char* const marked = "Tính từ kết quả có cảnh báo: Q6, Q7 Max";
    QTest::newRow("maximum total")
        << 27 << QStringLiteral("Nhiệt tổng Q Max\t10976\t10,98\t37452\t%1\t%2").arg(sum, marked)
        << QStringLiteral("Nhiệt tổng Q Max\t{10976}10976\t{10.98}10,98\t{37452}37452\t%1\t%2")
               .arg(sum, marked);
    // 10976 W / 60 m² = 182.93 W/m²; 37452 BTU/h takes the 48000 BTU/h unit.
    QTest::newRow("sizing")
        << 29
        << QStringLiteral("Tải lớn nhất\t10,98\t37452\t183\t48000\t48000 BTU/h (5 HP); %1")
               .arg(marked)
        << QStringLiteral("Tải lớn nhất\t{10.98}10,98\t{37452}37452\t{183}183\t{48000}48000\t48000 "
                          "BTU/h (5 HP); %1")
               .arg(marked);
}

// The same row, every cell of it, in the text a spreadsheet pastes and in the
// HTML it and a word processor paste.
void tst_Copy::copiedRows() {
    QFETCH(int, row);
    QFETCH(QString, plain);
    QFETCH(QString, html);
    computeSampleRoom();
    const RoomReport report(window->model());
    const QStringList lines = report.plainText(vietnamese).split(u'\n');
    // 16, a blank, 9, a blank, 3, a blank, 2, and the last line's end
    QCOMPARE(lines.size(), 34);
    for (const int blank : {16, 26, 30, 33})
        QCOMPARE(lines[blank], QString());
    QCOMPARE(lines.filter(QStringLiteral("\t")).size(), 30);
    QCOMPARE(lines.filter(QStringLiteral("\t"))[row], plain);

    const QStringList htmlRows =
        report.html(vietnamese).split(u'\n').filter(QRegularExpression(QStringLiteral("^<tr>")));
    QCOMPARE(htmlRows.size(), 30);
    QString failure;
    QCOMPARE(cellsOf(htmlRows[row], failure).join(u'\t'), html);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

void tst_Copy::badTexts_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("label"); // of the row
    QTest::addColumn<QString>("plain"); // the row's cells from the second on
    QTest::addColumn<QString>("html");  // the second cell, as cellsOf gives it
    const QString name = QStringLiteral("txttenphong");
    const QString room = QStringLiteral("Tên phòng");
    QTest::newRow("tab") << name << "A\tB" << room << "A B\t\t"
                         << "A\tB";
    QTest::newRow("markup and quotes") << name << "<b>&\"x\"" << room << "\"<b>&\"\"x\"\"\"\t\t"
                                       << "&lt;b&gt;&amp;&quot;x&quot;";
    for (const char* formula : {"=A1+1 Phòng", "+84 90", "-5", "@SUM(A1)"})
        QTest::newRow(formula) << name << formula << room << QStringLiteral("'%1\t\t").arg(formula)
                               << formula;
    QTest::newRow("30 000 characters") << name << QString(30000, u'x') << room
                                       << QString(30000, u'x') + "\t\t" << QString(30000, u'x');
    const QString q1 = QStringLiteral("txtQ1");
    const QString equipment = QStringLiteral("Nhiệt do máy móc Q1");
    QTest::newRow("decimal comma")
        << q1 << "1,5" << equipment << "1\t\t\t\tNhập tay '1,5': đọc được 1"
        << "{1}1";
    QTest::newRow("too large for a spreadsheet")
        << q1 << "1E308" << equipment
        << "'1E308\t\t\t\tNhập tay '1E308': đọc được 1E+308; Số vượt giới hạn của bảng tính nên "
           "được chép dạng chữ"
        << "1E308";
    QTest::newRow("beyond the double range")
        << q1 << "1E999" << equipment
        << "'1E999\t\t\t\tNhập tay '1E999': đọc được vô cùng lớn; Số vượt giới hạn của bảng tính "
           "nên được chép dạng chữ"
        << "1E999";
    QTest::newRow("inf") << q1 << "inf" << equipment << "inf\t\t\t\tNhập tay 'inf': đọc được 0"
                         << "inf";
    QTest::newRow("area with its unit") << "txtdientich"
                                        << "60 m2"
                                        << "Diện tích phòng"
                                        << "60\tm²\tNhập '60 m2': đọc được 60"
                                        << "{60}60";
}

// Pasted into the field as a user pastes: a text stays one cell of one row,
// never a formula; a number that a spreadsheet cannot hold goes out as text.
void tst_Copy::badTexts() {
    QFETCH(QString, field);
    QFETCH(QString, pasted);
    QFETCH(QString, label);
    QFETCH(QString, plain);
    QFETCH(QString, html);
    QLineEdit* target = window->findChild<QLineEdit*>(field);
    QGuiApplication::clipboard()->setText(pasted);
    QTest::mouseClick(target, Qt::LeftButton);
    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(target->text(), pasted);

    QCOMPARE(plainRow(label), label + u'\t' + plain);
    const QStringList htmlRows = RoomReport(window->model())
                                     .html(vietnamese)
                                     .split(u'\n')
                                     .filter(QRegularExpression(QStringLiteral("^<tr>")));
    QCOMPARE(htmlRows.size(), 28);
    QString failure;
    const QString row = htmlRows.filter(QStringLiteral(">%1</td>").arg(label)).value(0);
    QCOMPARE(cellsOf(row, failure).value(1), html);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

void tst_Copy::notesSayWhatTheScreenWarns_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed"); // after the sample room and Tính
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("note"); // the row's last cell
    QTest::newRow("totals out of date") << "txtQ2"
                                        << "700"
                                        << "Nhiệt tổng Q Trung bình"
                                        << "Tổng chưa được tính lại: nhấn Tính để cập nhật; Tính "
                                           "từ kết quả có cảnh báo: Q6, Q7";
    QTest::newRow("a stale result, average and peak")
        << "txtnhietdongoai"
        << "37"
        << "Nhiệt do bức xạ qua mái Q7"
        << "Chưa tính lại: nhiệt độ ngoài trời tính với 34.6, cửa sổ chính hiện ghi 37; Tính với "
           "hệ số truyền nhiệt: Giá trị bất thường (0.038): hệ số truyền nhiệt thường từ 0.1 đến "
           "10 "
           "W/m²K.; Tính với hệ số truyền nhiệt: Giá trị bất thường (0.035): hệ số truyền nhiệt "
           "thường từ 0.1 đến 10 W/m²K.; Max: Chưa tính lại: nhiệt độ ngoài trời tính với 34.6, "
           "cửa "
           "sổ chính hiện ghi 37; Tính với hệ số truyền nhiệt: Giá trị bất thường (0.038): hệ số "
           "truyền nhiệt thường từ 0.1 đến 10 W/m²K.; Tính với hệ số truyền nhiệt: Giá trị bất "
           "thường (0.035): hệ số truyền nhiệt thường từ 0.1 đến 10 W/m²K.";
    QTest::newRow("a total with stale terms") << "txtnhietdotrong"
                                              << "26"
                                              << "Nhiệt tổng Q Max"
                                              << "Chưa tính lại: Q6, Q7 Max, Q8; Tính từ kết quả "
                                                 "có cảnh báo: Q6, Q7 Max";
    QTest::newRow("a value that cannot be")
        << "txtdoamtrong"
        << "140"
        << "Độ ẩm không khí trong phòng"
        << "Giá trị không hợp lý (140): độ ẩm tương đối chỉ từ 0 đến 100 %.";
}

void tst_Copy::notesSayWhatTheScreenWarns() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, label);
    QFETCH(QString, note);
    computeSampleRoom();
    retype(window->findChild<QLineEdit*>(field), typed);
    QCOMPARE(plainRow(label).section(u'\t', -1), note);
}

void tst_Copy::saysItCopied() {
    retype(window->txttenphong, QStringLiteral(" Phòng họp  tầng 2"));
    clickButton(window->cmdsaochep);
    QVERIFY(QGuiApplication::clipboard()->mimeData()->hasHtml());
    auto* note = window->findChild<kelvora::ui::PassingNote*>();
    QVERIFY(note != nullptr);
    QVERIFY(note->isVisible());
    QCOMPARE(note->text(), QStringLiteral("Đã sao chép bảng của phòng Phòng họp tầng 2"));
    QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(note);
    QCOMPARE(heard->role(), QAccessible::AlertMessage);
    QCOMPARE(heard->text(QAccessible::Name), note->text());
    // At the button, inside the window, clear of the buttons.
    QVERIFY(window->rect().contains(note->geometry()));
    QVERIFY(note->geometry().bottom() < window->cmdsaochep->geometry().top());
    QCOMPARE(note->geometry().right(), window->cmdsaochep->geometry().right());
    QTRY_VERIFY_WITH_TIMEOUT(!note->isVisible(), kelvora::ui::PassingNote::shownMs + 2000);
}

QTEST_MAIN(tst_Copy)
#include "tst_Copy.moc"
