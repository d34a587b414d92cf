// The glazing and envelope calculators computing on the real windows: the
// worked examples typed and computed, the envelope reading the room's live
// temperatures at each compute, the close box that forgets the texts, and
// what a fault leaves behind.

#include "CalculatorInputs.h"
#include "UiDriver.h"
#include "ui/windows/Kelvora.h"
#include "ui/windows/frmQ5.h"
#include "ui/windows/frmQ6.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using kelvora::ui::frmQ5;
using kelvora::ui::frmQ6;
using namespace kelvora::ui::test;

namespace {

const QString tooLarge = QStringLiteral("Loi tinh toan: so qua lon");

} // namespace

class tst_GridComputes : public SessionTest {
    Q_OBJECT

private slots:
    void computes_data();
    void computes();
    void envelopeReadsTheRoomAtEachCompute();
    void closeBoxForgetsTheTexts_data();
    void closeBoxForgetsTheTexts();
    void faults_data();
    void faults();
};

void tst_GridComputes::computes_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<QStringList>("inputs"); // "field=typed text" or "list#picked row"
    QTest::addColumn<QString>("outdoor");    // the room's temperatures, typed once open
    QTest::addColumn<QString>("indoor");
    QTest::addColumn<QString>("result"); // txtQ5 or txtQ6
    QTest::addColumn<QString>("peak");   // txtq5max

    const QStringList worked = {"lsthstrongsuot#1", "lsthsbamban#1", "lsthskhucxa#1",
                                "lsthstanxa#6"};
    const QStringList clear = {"lsthskhucxa#0", "txthstrongsuot=1", "txthsbamban=1"};
    const auto glazing = [](const char* name, const QStringList& inputs, const char* average,
                            const char* peak) {
        QTest::newRow(name) << glazingEntry << inputs << "34.6"
                            << "25" << average << peak;
    };
    glazing("Q5 worked", QStringList{"txtdong=10", "txttay=5", "txtnam=8"} + worked, "1076",
            "1723");
    glazing("Q5 all coefficients 1",
            QStringList{"txtdong=2", "txttay=3", "txtnam=4", "txtbac=6"} + clear, "2245", "3718");
    glazing("Q5 diagonals and hours only",
            QStringList{"txtdb=10", "xtdn=10", "txttb=10", "txttn=10", "Text17=12", "Text14=x"} +
                clear,
            "0", "0");
    glazing("Q5 negative east", QStringList{"txtdong=-10", "txtnam=4"} + clear, "952", "1816");
    glazing("Q5 transparency left at 0",
            QStringList{"txtdong=10", "lsthsbamban#1", "lsthskhucxa#1"}, "0", "0");
    glazing("Q5 emptied area, typed intensities",
            QStringList{"txtdong=", "txttay=1", "txtcdbxT=1000", "txttbt=500 W"} + clear, "500",
            "1000");

    const auto envelope = [](const char* name, const QStringList& inputs, const char* outdoor,
                             const char* indoor, const char* q6) {
        QTest::newRow(name) << envelopeEntry << inputs << outdoor << indoor << q6 << "0";
    };
    envelope("Q6 nothing typed", {}, "34.6", "25", "0");
    envelope("Q6 east wall", {"txtdtdong=10"}, "34.6", "25", "141");
    envelope("Q6 rounded once", {"txtdtdong=10", "txtdtkinh=5", "txtdtcua=2"}, "34.6", "25", "377");
    envelope("Q6 whole room",
             {"txtdtdong=12", "txtdttay=12", "txtdtnam=20", "txtdtbac=20", "txtdtkinh=8",
              "txtdttran=60", "txtdtsan=60", "txtdtcua=4"},
             "34.6", "25", "1321");
    envelope("Q6 warmer inside", {"txtdtdong=10"}, "25", "30", "-74");
    envelope("Q6 tie down", {"txtdtdong=2.5", "txthstnDong=1", "txthsnddong=1"}, "34", "25", "22");
    envelope("Q6 indoor emptied", {"txtdtdong=10"}, "34.6", "", "509");
    envelope("Q6 each element its own coefficients",
             {"txtdttay=10", "txthstnDong=100", "txthsndnam=100"}, "34.6", "25", "141");
}

void tst_GridComputes::computes() {
    QFETCH(int, entry);
    QFETCH(QStringList, inputs);
    QFETCH(QString, outdoor);
    QFETCH(QString, indoor);
    QFETCH(QString, result);
    QFETCH(QString, peak);
    QWidget* calculator = openCalculator(entry);
    QVERIFY(calculator != nullptr);
    QCOMPARE(fillIn(calculator, inputs), QString());
    retype(window->txtnhietdongoai, outdoor);
    retype(window->txtnhietdotrong, indoor);
    QLineEdit* resultField = entry == glazingEntry ? window->txtQ5 : window->txtQ6;
    resultField->setText("old");
    window->txtq5max->setText(entry == glazingEntry ? "old" : "0");

    clickButton(calculator->findChild<QPushButton*>(entry == glazingEntry ? "tinh" : "cmdtinh"));
    QCOMPARE(resultField->text(), result);
    QCOMPARE(window->txtq5max->text(), peak);
    QVERIFY(!calculator->isVisible());
    QVERIFY(answerer->messages().isEmpty());

    // Hidden, not gone: the next visit shows the texts and picks as they were.
    retype(window->txtnhietdotrong, "25");
    clickEntry(window->loaiQ, 0);
    QCOMPARE(openCalculator(entry), calculator);
    QCOMPARE(shownFor(calculator, inputs), inputs);
    if (auto* q5 = qobject_cast<frmQ5*>(calculator))
        QVERIFY(q5->tinh->isEnabled());
}

void tst_GridComputes::envelopeReadsTheRoomAtEachCompute() {
    auto* q6 = qobject_cast<frmQ6*>(openCalculator(envelopeEntry));
    QVERIFY(q6 != nullptr);
    retype(q6->txtdtdong, "10");
    // Changed while the window is open, and again between two computes.
    retype(window->txtnhietdongoai, "35");
    clickButton(q6->cmdtinh);
    QCOMPARE(window->txtQ6->text(), QStringLiteral("147"));
    retype(window->txtnhietdotrong, "30");
    QCOMPARE(openCalculator(envelopeEntry), q6);
    clickButton(q6->cmdtinh);
    QCOMPARE(window->txtQ6->text(), QStringLiteral("74"));
    QCOMPARE(q6->txtdtdong->text(), QStringLiteral("10"));
}

void tst_GridComputes::closeBoxForgetsTheTexts_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("initial");
    QTest::newRow("Q5") << glazingEntry << "txtcdbxD"
                        << "634";
    QTest::newRow("Q6") << envelopeEntry << "txthstnkinh"
                        << "6.33";
}

void tst_GridComputes::closeBoxForgetsTheTexts() {
    QFETCH(int, entry);
    QFETCH(QString, field);
    QFETCH(QString, initial);
    QWidget* calculator = openCalculator(entry);
    QVERIFY(calculator != nullptr);
    retype(::field(calculator, field), "9");
    if (auto* q5 = qobject_cast<frmQ5*>(calculator))
        QCOMPARE(fillIn(q5, {"lsthskhucxa#2", "lsthstanxa#1"}), QString());
    closeBox(calculator);
    QVERIFY(window->calculators().window(entry) == nullptr);
    QCOMPARE(window->txtQ5->text(), QStringLiteral("0"));
    QCOMPARE(window->txtQ6->text(), QStringLiteral("0"));

    clickEntry(window->loaiQ, 0); // the entry is still selected: pick another first
    calculator = openCalculator(entry);
    QVERIFY(calculator != nullptr);
    QCOMPARE(::field(calculator, field)->text(), initial);
    if (auto* q5 = qobject_cast<frmQ5*>(calculator)) {
        QVERIFY(!q5->tinh->isEnabled());
        QCOMPARE(q5->txthskhucxa->text(), QStringLiteral("0"));
        QCOMPARE(q5->txthstanxa->text(), QStringLiteral("1"));
        for (const QListWidget* pickList : q5->findChildren<QListWidget*>())
            QVERIFY(pickList->selectedItems().isEmpty());
    }
}

void tst_GridComputes::faults_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("peak"); // txtq5max after the fault
    QTest::addColumn<QString>("cure"); // "field=text" that makes the next compute pass
    QTest::addColumn<QString>("result");

    const QStringList clear = {"lsthskhucxa#0", "txthstrongsuot=1", "txthsbamban=1"};
    QTest::newRow("Q5 peak pass") << glazingEntry
                                  << QStringList{"txtdong=1E200", "txtcdbxD=1E200"} + clear << "old"
                                  << "txtcdbxD=1"
                                  << "4.32E+202";
    // The peak is in the room before the average fails, and stays there.
    QTest::newRow("Q5 average pass")
        << glazingEntry << QStringList{"txtdong=1E200", "txttbd=1E200"} + clear << "6.34E+202"
        << "txttbd=432"
        << "4.32E+202";
    QTest::newRow("Q5 intensity beyond range")
        << glazingEntry << QStringList{"txtdong=1", "txttbd=1e999"} + clear << "634"
        << "txttbd=2"
        << "2";
    QTest::newRow("Q6 area and coefficient")
        << envelopeEntry << QStringList{"txtdtdong=1E200", "txthstnDong=1E200"} << "old"
        << "txthstnDong=2.1"
        << "1.4112E+201";
    QTest::newRow("Q6 door") << envelopeEntry << QStringList{"txtdtcua=1E300", "txthstncua=1E10"}
                             << "old"
                             << "txthstncua=1.76"
                             << "1.18272E+301";
}

void tst_GridComputes::faults() {
    QFETCH(int, entry);
    QFETCH(QStringList, inputs);
    QFETCH(QString, peak);
    QFETCH(QString, cure);
    QFETCH(QString, result);
    QWidget* calculator = openCalculator(entry);
    QVERIFY(calculator != nullptr);
    QCOMPARE(fillIn(calculator, inputs), QString());
    QLineEdit* resultField = entry == glazingEntry ? window->txtQ5 : window->txtQ6;
    resultField->setText("old");
    window->txtq5max->setText("old");
    auto* compute = calculator->findChild<QPushButton*>(entry == glazingEntry ? "tinh" : "cmdtinh");

    clickButton(compute);
    QCOMPARE(answerer->messages(), QStringList{tooLarge});
    QCOMPARE(window->txtq5max->text(), peak);
    QCOMPARE(resultField->text(), QStringLiteral("old"));
    QVERIFY(calculator->isVisible());

    // The program goes on: the same window computes once the input is sane.
    QCOMPARE(fillIn(calculator, {cure}), QString());
    clickButton(compute);
    QCOMPARE(answerer->messages().size(), 1);
    QCOMPARE(resultField->text(), result);
    QVERIFY(!calculator->isVisible());
}

QTEST_MAIN(tst_GridComputes)
#include "tst_GridComputes.moc"
