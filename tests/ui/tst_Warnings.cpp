// Warnings that are true and heard: a calculator's copy the user typed over is
// the user's input, not a stale room value; room values that cannot be are
// marked, and so are the results computed with them; the air check says
// which field it lacks; every note of every control reaches a screen reader;
// a calculator's input the program misread marks the result, the totals and
// the copied row, until the result is computed again without it.

#include "SampleRoom.h"
#include "UiDriver.h"
#include "report/RoomReport.h"
#include "ui/windows/CalculatorWindow.h"
#include "ui/windows/Kelvora.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QTest>

using namespace kelvora::ui::test;

namespace {

const QString stale = QStringLiteral("Chưa tính lại");

bool amber(const QWidget* field) {
    return field->palette().color(QPalette::Base) !=
           field->window()->palette().color(QPalette::Base);
}

bool says(const QWidget* control, const QString& note) {
    return control->toolTip().split(u'\n').contains(note) &&
           control->accessibleDescription().split(u'\n').contains(note);
}

} // namespace

class tst_Warnings : public SessionTest {
    Q_OBJECT

private slots:
    void typedOverCopyIsTheUsersInput_data();
    void typedOverCopyIsTheUsersInput();
    void impossibleValuesMarked_data();
    void impossibleValuesMarked();
    void resultsCarryTheMark_data();
    void resultsCarryTheMark();
    void misreadInputsMarkWhatFollows_data();
    void misreadInputsMarkWhatFollows();
    void airCheckNamesTheFieldAtFault_data();
    void airCheckNamesTheFieldAtFault();
    void everyNoteIsHeard();
    void longTextsAreQuotedShort();

private:
    QLineEdit* field(const QString& name) const { return window->findChild<QLineEdit*>(name); }
    void work(int visit, const QStringList& more = {}) {
        CalculatorVisit calculator = sampleRoom()[std::size_t(visit)];
        calculator.inputs << more;
        QString failure;
        QVERIFY2(kelvora::ui::test::visit(*window, calculator, Input::Mouse, failure),
                 qPrintable(failure));
    }
};

void tst_Warnings::typedOverCopyIsTheUsersInput_data() {
    QTest::addColumn<int>("visit"); // of the sample room
    QTest::addColumn<QString>("copy");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QStringList>("more"); // that keep the first coefficients' mark off
    QTest::newRow("Q2 area") << 1 << "txtdientich"
                             << "70"
                             << "txtQ2"
                             << "Diện tích phòng nhập trong cửa sổ Q2: 70" << QStringList();
    QTest::newRow("Q3 adults") << 2 << "txtsonguoi"
                               << "15"
                               << "txtQ3"
                               << "Số người nhập trong cửa sổ Q3: 15" << QStringList();
    QTest::newRow("Q4 indoor enthalpy")
        << 3 << "txtenthanpytrong"
        << "60"
        << "txtQ4"
        << "Enthalpy trong phòng nhập trong cửa sổ Q4: 60" << QStringList();
    QTest::newRow("Q7 outdoor temperature") << 6 << "txtnhietdongoai"
                                            << "36"
                                            << "txtq7max"
                                            << "Nhiệt độ ngoài trời nhập trong cửa sổ Q7: 36"
                                            << QStringList{"txthstnmaibang=2", "txthstnmaivom=2"};
    QTest::newRow("Q8 indoor temperature")
        << 7 << "txtnhietdotrong"
        << "24"
        << "txtQ8"
        << "Nhiệt độ trong phòng nhập trong cửa sổ Q8: 24" << QStringList();
}

// The copy is meant to be edited: a number of the user's own there is no
// room value out of date, whatever the main window holds.
void tst_Warnings::typedOverCopyIsTheUsersInput() {
    QFETCH(int, visit);
    QFETCH(QString, copy);
    QFETCH(QString, typed);
    QFETCH(QString, result);
    QFETCH(QString, note);
    QFETCH(QStringList, more);
    work(visit, QStringList{copy + u'=' + typed} + more);
    QLineEdit* written = field(result);
    QVERIFY2(says(written, note), qPrintable(written->toolTip()));
    QVERIFY2(!written->toolTip().contains(stale), qPrintable(written->toolTip()));
    QVERIFY(!amber(written));
    computeTotals(*window, Input::Mouse);
    QVERIFY(!window->txtQtong->toolTip().contains(stale));
    QVERIFY(!window->txtqtongmax->toolTip().contains(stale));
}

void tst_Warnings::impossibleValuesMarked_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("note"); // empty: no mark
    const QString indoor = QStringLiteral(": phòng điều hoà thường giữ từ 16 đến 32 °C.");
    const QString temperature = QStringLiteral("; nhiệt độ hợp lý từ -273.15 đến 100 °C.");
    QTest::newRow("below absolute zero")
        << "txtnhietdongoai"
        << "-300"
        << "Giá trị không hợp lý (-300): thấp hơn độ không tuyệt đối (-273.15 °C)" + temperature;
    QTest::newRow("absolute zero, unusual")
        << "txtnhietdongoai"
        << "-273.15"
        << "Giá trị bất thường (-273.15): không khí ngoài trời thường từ -10 đến 50 °C.";
    QTest::newRow("boiling, unusual") << "txtnhietdotrong"
                                      << "100"
                                      << "Giá trị bất thường (100)" + indoor;
    QTest::newRow("a room kept at 16") << "txtnhietdotrong"
                                       << "16" << QString();
    QTest::newRow("hotter than boiling")
        << "txtnhietdotrong"
        << "100.5"
        << "Giá trị không hợp lý (100.5): nóng hơn nước sôi (100 °C)" + temperature;
    QTest::newRow("humidity over 100")
        << "txtdoamngoai"
        << "150"
        << "Giá trị không hợp lý (150): độ ẩm tương đối chỉ từ 0 đến 100 %.";
    QTest::newRow("humidity 100") << "txtdoamngoai"
                                  << "100" << QString();
    QTest::newRow("humidity below 0")
        << "txtdoamtrong"
        << "-0.5"
        << "Giá trị không hợp lý (-0.5): độ ẩm tương đối chỉ từ 0 đến 100 %.";
    QTest::newRow("negative area")
        << "txtdientich"
        << "-60"
        << "Giá trị không hợp lý (-60): diện tích âm; diện tích hợp lý từ 0 m² trở lên.";
    QTest::newRow("no people") << "txtsonguoi"
                               << "0" << QString();
    QTest::newRow("negative people") << "txtsonguoi"
                                     << "-2"
                                     << "Giá trị không hợp lý (-2): số người âm; số người hợp lý "
                                        "là số nguyên từ 0 trở lên.";
    QTest::newRow("half a person") << "txtsonguoi"
                                   << "2.5"
                                   << "Giá trị không hợp lý (2.5): số người không nguyên; số "
                                      "người hợp lý là số nguyên từ 0 trở lên.";
    QTest::newRow("negative moisture")
        << "txtdungamngoai"
        << "-1"
        << "Giá trị không hợp lý (-1): dung ẩm âm; dung ẩm hợp lý từ 0 g/kg trở lên.";
    QTest::newRow("negative enthalpy, as of air below -10 °C") << "txtenthanpytrong"
                                                               << "-3" << QString();
    QTest::newRow("misread and impossible: both said")
        << "txtnhietdongoai"
        << "-300,5"
        << "Giá trị không hợp lý (-300): thấp hơn độ không tuyệt đối (-273.15 °C)" + temperature;
}

// Marked, never refused or changed: no box, the focus stays, the text stays.
void tst_Warnings::impossibleValuesMarked() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, note);
    QLineEdit* typed = field(name);
    retype(typed, text);
    QCOMPARE(typed->text(), text);
    QCOMPARE(QApplication::focusWidget(), typed);
    QVERIFY(answerer->messages().isEmpty());
    if (note.isEmpty()) {
        QVERIFY2(!typed->toolTip().contains(QStringLiteral("không hợp lý")) &&
                     !typed->toolTip().contains(QStringLiteral("bất thường")),
                 qPrintable(typed->toolTip()));
        return;
    }
    QVERIFY2(says(typed, note), qPrintable(typed->toolTip()));
    QVERIFY(amber(typed));
    if (text.contains(u','))
        QVERIFY2(typed->toolTip().contains(QStringLiteral("Dấu phẩy")),
                 qPrintable(typed->toolTip()));
}

void tst_Warnings::resultsCarryTheMark_data() {
    QTest::addColumn<QString>("room");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("visit");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("note");
    QTest::newRow("Q6, read at the compute")
        << "txtnhietdongoai"
        << "-300" << 5 << "txtQ6"
        << "Tính với nhiệt độ ngoài trời: Giá trị không hợp lý (-300): thấp hơn độ không tuyệt "
           "đối (-273.15 °C); nhiệt độ hợp lý từ -273.15 đến 100 °C.";
    QTest::newRow("Q3, copied") << "txtsonguoi"
                                << "2.5" << 2 << "txtQ3"
                                << "Tính với số người: Giá trị không hợp lý (2.5): số người không "
                                   "nguyên; số người hợp lý là số nguyên từ 0 trở lên.";
}

void tst_Warnings::resultsCarryTheMark() {
    QFETCH(QString, room);
    QFETCH(QString, text);
    QFETCH(int, visit);
    QFETCH(QString, result);
    QFETCH(QString, note);
    retype(field(room), text);
    work(visit);
    QLineEdit* written = field(result);
    QVERIFY2(says(written, note), qPrintable(written->toolTip()));
    QVERIFY(amber(written));
    // The room made possible again, the result still was computed with the
    // value that cannot be, until it is computed anew.
    retype(field(room), QStringLiteral("30"));
    QVERIFY2(says(written, note), qPrintable(written->toolTip()));
}

void tst_Warnings::misreadInputsMarkWhatFollows_data() {
    QTest::addColumn<int>("visit"); // of the sample room
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("retyped"); // the same number, read as meant
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("label"); // how the maximum total names it
    QTest::addColumn<QString>("row");   // the copied row's start
    QTest::addColumn<QString>("note");
    QTest::newRow("Q4 volume") << 3 << QStringList{"txtthetichphong=158,4"}
                               << QStringList{"txtthetichphong=158.4"} << "txtQ4"
                               << "Q4"
                               << "Nhiệt do lọt không khí Q4"
                               << "Tính với thể tích phòng '158,4': đọc được 158";
    // Real roofs' coefficients: the misreading is the only mark.
    QTest::newRow("Q7 peak, roof area")
        << 6 << QStringList{"txtdtmaibang=12,5", "txthstnmaibang=2", "txthstnmaivom=2"}
        << QStringList{"txtdtmaibang=12.5", "txthstnmaibang=2", "txthstnmaivom=2"} << "txtq7max"
        << "Q7 Max"
        << "Nhiệt do bức xạ qua mái Q7"
        << "Tính với diện tích mái bằng(bêtông) '12,5': đọc được 12";
}

void tst_Warnings::misreadInputsMarkWhatFollows() {
    QFETCH(int, visit);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, retyped);
    QFETCH(QString, result);
    QFETCH(QString, label);
    QFETCH(QString, row);
    QFETCH(QString, note);
    const auto copiedRow = [this, &row] {
        const QString text = kelvora::report::RoomReport(window->model())
                                 .plainText(QLocale(QLocale::Vietnamese, QLocale::Vietnam));
        for (const QString& line : text.split(u'\n'))
            if (line.startsWith(row))
                return line;
        return QString();
    };
    work(visit, typed);
    computeTotals(*window, Input::Mouse);
    QLineEdit* written = field(result);
    QVERIFY2(says(written, note), qPrintable(written->toolTip()));
    QVERIFY(amber(written));
    // The totals name the result; its own note says why.
    const QString carried = QStringLiteral("Tính từ kết quả có cảnh báo: ") + label;
    QVERIFY2(says(window->txtqtongmax, carried), qPrintable(window->txtqtongmax->toolTip()));
    QVERIFY(amber(window->txtqtongmax));
    QVERIFY2(copiedRow().contains(note), qPrintable(copiedRow()));

    work(visit, retyped);
    computeTotals(*window, Input::Mouse);
    QVERIFY2(!written->toolTip().contains(note), qPrintable(written->toolTip()));
    QVERIFY(!amber(written));
    QVERIFY(!window->txtqtongmax->toolTip().contains(carried));
    QVERIFY(!amber(window->txtqtongmax));
    QVERIFY2(!copiedRow().contains(note), qPrintable(copiedRow()));
}

void tst_Warnings::airCheckNamesTheFieldAtFault_data() {
    QTest::addColumn<QString>("emptied");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("checked");
    QTest::addColumn<QString>("note");
    QTest::newRow("humidity empty") << "txtdoamtrong"
                                    << ""
                                    << "txtdungamtrong"
                                    << "Không kiểm tra được: độ ẩm trống";
    QTest::newRow("humidity blank") << "txtdoamngoai"
                                    << "  "
                                    << "txtdungamngoai"
                                    << "Không kiểm tra được: độ ẩm trống";
    QTest::newRow("temperature unreadable, moisture")
        << "txtnhietdongoai"
        << "ba mươi"
        << "txtdungamngoai"
        << "Không kiểm tra được: nhiệt độ không đọc được";
    QTest::newRow("temperature unreadable, enthalpy")
        << "txtnhietdongoai"
        << "ba mươi"
        << "txtenthanpyngoai"
        << "Không kiểm tra được: nhiệt độ không đọc được";
    QTest::newRow("moisture empty, enthalpy") << "txtdungamtrong"
                                              << ""
                                              << "txtenthanpytrong"
                                              << "Không kiểm tra được: dung ẩm trống";
}

// In the normal look: the field checked is not the one at fault.
void tst_Warnings::airCheckNamesTheFieldAtFault() {
    QFETCH(QString, emptied);
    QFETCH(QString, text);
    QFETCH(QString, checked);
    QFETCH(QString, note);
    retype(field(emptied), text);
    QLineEdit* check = field(checked);
    QVERIFY2(says(check, note), qPrintable(check->toolTip()));
    QVERIFY(!amber(check));
}

// Whatever a control's tooltip says, its accessible description says too:
// in the main window and in every calculator, fresh, after a whole room,
// and with texts that draw every kind of note.
void tst_Warnings::everyNoteIsHeard() {
    const auto checkAll = [this](const char* when) {
        QList<QWidget*> windows{window};
        for (int entry = 0; entry < window->loaiQ->count(); ++entry)
            if (QWidget* calculator = window->calculators().window(std::size_t(entry)))
                windows << calculator;
        for (const QWidget* shown : std::as_const(windows))
            for (const QWidget* control : shown->findChildren<QWidget*>())
                QVERIFY2(
                    control->toolTip() == control->accessibleDescription(),
                    qPrintable(QStringLiteral("%1, %2: \"%3\" but described \"%4\"")
                                   .arg(QLatin1String(when), control->objectName(),
                                        control->toolTip(), control->accessibleDescription())));
    };
    checkAll("fresh");
    for (std::size_t visit = 0; visit < sampleRoom().size(); ++visit)
        work(int(visit));
    computeTotals(*window, Input::Mouse);
    checkAll("after the sample room");
    for (const auto& [name, text] : {std::pair{"txtdientich", "1e400"},
                                     {"txtsonguoi", "2,5"},
                                     {"txtnhietdongoai", "-300"},
                                     {"txtdoamngoai", ""},
                                     {"txtQ1", "12 W"}})
        retype(field(QLatin1String(name)), QString::fromUtf8(text));
    checkAll("with faults");
    QVERIFY2(says(window->txtdientich, QStringLiteral("Giá trị dùng để tính: vô cùng lớn")),
             qPrintable(window->txtdientich->toolTip()));
}

// A note quotes what the user typed as far as a line can show it: 2000
// digits of people do not run off the screen in Q3's notes, nor in its copy's.
void tst_Warnings::longTextsAreQuotedShort() {
    work(2);
    retype(window->txtsonguoi, QString(2000, u'9'));
    QLineEdit* copy = window->calculators().window(2)->findChild<QLineEdit*>("txtsonguoi");
    for (const QLineEdit* noted : {window->txtQ3, copy}) {
        const QStringList lines = noted->toolTip().split(u'\n');
        QVERIFY2(lines.size() > 1, qPrintable(noted->toolTip()));
        for (const QString& line : lines)
            QVERIFY2(line.size() < 200, qPrintable(line.left(300)));
    }
}

QTEST_MAIN(tst_Warnings)
#include "tst_Warnings.moc"
