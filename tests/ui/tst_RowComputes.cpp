// The occupant, infiltration, roof and floor calculators computing on the real
// windows: their worked examples typed and computed as a user would, the room
// values they take at creation, and the fault rule, including the roof's peak
// written before its average fails.

#include "CalculatorInputs.h"
#include "UiDriver.h"
#include "ui/windows/CalculatorWindow.h"
#include "ui/windows/Kelvora.h"
#include "ui/windows/frmQ3.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <QTest>

using kelvora::ui::frmQ3;
using namespace kelvora::ui::test;

namespace {

const QString tooLarge = QStringLiteral("Loi tinh toan: so qua lon");

QStringList fieldTexts(const QWidget* calculator) {
    QStringList texts;
    for (const QLineEdit* field : calculator->findChildren<QLineEdit*>())
        texts << field->objectName() + '=' + field->text();
    return texts;
}

} // namespace

class tst_RowComputes : public SessionTest {
    Q_OBJECT

private slots:
    void computes_data();
    void computes();
    void roomValuesAreTakenAtCreation_data();
    void roomValuesAreTakenAtCreation();
    void faultStopsTheCompute_data();
    void faultStopsTheCompute();
    void roofPeakStaysWhenTheAveragePassFails();

private:
    // Shows the calculator again after another one was shown.
    QWidget* reopen(int entry) {
        clickEntry(window->loaiQ, entry == 0 ? 1 : 0);
        return openCalculator(entry);
    }
};

void tst_RowComputes::computes_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<QStringList>("inputs");  // filled in in this order
    QTest::addColumn<QStringList>("results"); // field=text, the window's or else the room's

    const QStringList none;
    QTest::newRow("Q3 21 at rest")
        << occupants << QStringList{"lstloailaodong#0"} << QStringList{"txtQ3=1554"};
    QTest::newRow("Q3 tie to even")
        << occupants << QStringList{"lstloailaodong#1", "txtsonguoi=10", "txttreem=2"}
        << QStringList{"txtQ3=1276"};
    QTest::newRow("Q3 typed heat is ignored")
        << occupants << QStringList{"lstloailaodong#0", "txtq=500"}
        << QStringList{"txtQ3=1554", "txtq=80"};
    QTest::newRow("Q4 180 m3") << infiltration << QStringList{"txtthetichphong=180"}
                               << QStringList{"txtQ4=3929"};
    QTest::newRow("Q4 just below 1.5")
        << infiltration
        << QStringList{"txtenthanpyngoai=13", "txtenthanpytrong=10", "txtthetichphong=1"}
        << QStringList{"txtQ4=1"};
    QTest::newRow("Q7 nothing typed") << roof << none << QStringList{"txtq7max=0", "txtQ7=0"};
    QTest::newRow("Q7 both, rounded once")
        << roof << QStringList{"txtdtmaibang=100", "txtdtmaivom=50"}
        << QStringList{"txtq7max=151", "txtQ7=98"};
    QTest::newRow("Q7 warmer inside")
        << roof << QStringList{"txtdtmaibang=100", "txtnhietdotrong=70"}
        << QStringList{"txtq7max=-32", "txtQ7=-67"};
    QTest::newRow("Q8 nothing typed") << floorEntry << none << QStringList{"txtQ8=0"};
    QTest::newRow("Q8 rules 3 and 5")
        << floorEntry << QStringList{"txtchieudai=6.25", "txtchieurong=6.25"}
        << QStringList{"txtQ8=227"};
    QTest::newRow("Q8 warmer inside") << floorEntry
                                      << QStringList{"txtchieudai=5", "txtchieurong=4",
                                                     "txtnhietdotrong=30", "txtnhietdongoai=25"}
                                      << QStringList{"txtQ8=-50"};
}

void tst_RowComputes::computes() {
    QFETCH(int, entry);
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, results);
    QWidget* calculator = openCalculator(entry);
    QVERIFY(calculator != nullptr);
    QCOMPARE(fillIn(calculator, inputs), QString());
    // The room's results are set aside beforehand.
    for (const QString& result : results)
        if (field(calculator, nameOf(result)) == nullptr)
            field(window, nameOf(result))->setText("old");

    clickButton(computeButton(calculator));
    QCOMPARE(shownFor(window, results), results);
    QVERIFY(answerer->messages().isEmpty());
    QVERIFY(!calculator->isVisible());

    // Hidden, not gone: the next visit shows every text as it was left.
    const QStringList left = fieldTexts(calculator);
    QCOMPARE(reopen(entry), calculator);
    QCOMPARE(fieldTexts(calculator), left);
}

void tst_RowComputes::roomValuesAreTakenAtCreation_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<QStringList>("copied"); // fields of the same name in both windows
    QTest::addColumn<QString>("other");      // field=text it holds when created
    QTest::addColumn<bool>("computeEnabled");

    QTest::newRow("Q3") << occupants << QStringList{"txtsonguoi"} << "txttreem=" << false;
    QTest::newRow("Q4") << infiltration << QStringList{"txtenthanpyngoai", "txtenthanpytrong"}
                        << "txtthetichphong=" << false;
    QTest::newRow("Q7") << roof << QStringList{"txtnhietdotrong", "txtnhietdongoai"}
                        << "txtdtmaibang=0" << true;
    QTest::newRow("Q8") << floorEntry << QStringList{"txtnhietdotrong", "txtnhietdongoai"}
                        << "txtchieudai=0" << true;
}

void tst_RowComputes::roomValuesAreTakenAtCreation() {
    QFETCH(int, entry);
    QFETCH(QStringList, copied);
    QFETCH(QString, other);
    QFETCH(bool, computeEnabled);
    const auto roomField = [this](const QString& name) {
        return window->findChild<QLineEdit*>(name, Qt::FindDirectChildrenOnly);
    };
    // Texts are copied as they stand, unparsed.
    const QStringList first = {"31 x", "1,5"};
    for (int i = 0; i < copied.size(); ++i)
        retype(roomField(copied[i]), first[i]);
    QWidget* calculator = openCalculator(entry);
    QVERIFY(calculator != nullptr);
    for (int i = 0; i < copied.size(); ++i)
        QCOMPARE(field(calculator, copied[i])->text(), first[i]);

    const QStringList taken = fieldTexts(calculator);
    for (int i = 0; i < copied.size(); ++i)
        retype(roomField(copied[i]), QStringLiteral("4%1").arg(i));
    QCOMPARE(reopen(entry), calculator);
    QCOMPARE(fieldTexts(calculator), taken);

    // The close box forgets it all; the next visit takes the room's texts afresh.
    if (entry == occupants)
        clickEntry(qobject_cast<frmQ3*>(calculator)->lstloailaodong, 3);
    retype(field(calculator, nameOf(other)), "12");
    closeBox(calculator);
    QVERIFY(window->calculators().window(entry) == nullptr);
    calculator = reopen(entry);
    QVERIFY(calculator != nullptr);
    for (int i = 0; i < copied.size(); ++i)
        QCOMPARE(field(calculator, copied[i])->text(), QStringLiteral("4%1").arg(i));
    QCOMPARE(shownFor(calculator, {other}), QStringList{other});
    QCOMPARE(computeButton(calculator)->isEnabled(), computeEnabled);
    for (const QListWidget* list : calculator->findChildren<QListWidget*>())
        QVERIFY(list->selectedItems().isEmpty());
}

void tst_RowComputes::faultStopsTheCompute_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QString>("repair");      // field=text that makes the compute work
    QTest::addColumn<QStringList>("results"); // room field=text after the repair

    QTest::newRow("Q3 adults") << occupants << QStringList{"lstloailaodong#0", "txtsonguoi=1E308"}
                               << "txtsonguoi=21" << QStringList{"txtQ3=1554"};
    QTest::newRow("Q4 volume") << infiltration << QStringList{"txtthetichphong=1E308"}
                               << "txtthetichphong=180" << QStringList{"txtQ4=3929"};
    QTest::newRow("Q7 peak pass") << roof << QStringList{"txtdtmaibang=1E308", "txthstnmaibang=1"}
                                  << "txtdtmaibang=0" << QStringList{"txtq7max=0", "txtQ7=0"};
    QTest::newRow("Q8 zone I") << floorEntry << QStringList{"txtchieurong=4", "txtchieudai=1E308"}
                               << "txtchieudai=5" << QStringList{"txtQ8=96"};
}

void tst_RowComputes::faultStopsTheCompute() {
    QFETCH(int, entry);
    QFETCH(QStringList, inputs);
    QFETCH(QString, repair);
    QFETCH(QStringList, results);
    QWidget* calculator = openCalculator(entry);
    QVERIFY(calculator != nullptr);
    QCOMPARE(fillIn(calculator, inputs), QString());
    for (const QString& result : results)
        field(window, nameOf(result))->setText("old");

    clickButton(computeButton(calculator));
    QCOMPARE(answerer->messages(), QStringList{tooLarge});
    for (const QString& result : results)
        QCOMPARE(field(window, nameOf(result))->text(), QStringLiteral("old"));
    QVERIFY(calculator->isVisible());

    // The program goes on, and the same window computes once the input is sane.
    QCOMPARE(fillIn(calculator, {repair}), QString());
    clickButton(computeButton(calculator));
    QCOMPARE(shownFor(window, results), results);
    QCOMPARE(answerer->messages().size(), 1);
    QVERIFY(!calculator->isVisible());
}

void tst_RowComputes::roofPeakStaysWhenTheAveragePassFails() {
    QWidget* q7 = openCalculator(roof);
    QVERIFY(q7 != nullptr);
    // Indoors 1 K below the flat roof's peak equivalent temperature (789):
    // the peak pass gives 1E307 × 1 × 0.78 × 1, the average pass 383 K below
    // the indoor air, and that overflows.
    QCOMPARE(fillIn(q7, {"txtdtmaibang=1E307", "txthstnmaibang=1", "txthshtmaibang=17.6",
                         "txtnhietdongoai=0", "txtnhietdotrong=788"}),
             QString());
    window->txtq7max->setText("old");
    window->txtQ7->setText("old");
    clickButton(computeButton(q7));

    QCOMPARE(window->txtq7max->text(), QStringLiteral("7.8E+306"));
    QCOMPARE(window->txtQ7->text(), QStringLiteral("old"));
    QCOMPARE(answerer->messages(), QStringList{tooLarge});
    QVERIFY(q7->isVisible());
}

QTEST_MAIN(tst_RowComputes)
#include "tst_RowComputes.moc"
