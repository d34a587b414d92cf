// A whole room, every calculator computed from the main window's list and
// then the totals, once with the mouse and once with the keyboard alone.

#include "CalculatorInputs.h"
#include "SampleRoom.h"
#include "UiDriver.h"

#include <QLineEdit>
#include <QTest>

using namespace kelvora::ui::test;

Q_DECLARE_METATYPE(Input)

class tst_WholeRoom : public SessionTest {
    Q_OBJECT

private slots:
    void everyComponentThenTheTotals_data();
    void everyComponentThenTheTotals();
};

void tst_WholeRoom::everyComponentThenTheTotals_data() {
    QTest::addColumn<Input>("input");
    QTest::newRow("mouse") << Input::Mouse;
    QTest::newRow("keyboard only") << Input::Keyboard;
}

void tst_WholeRoom::everyComponentThenTheTotals() {
    QFETCH(Input, input);
    for (const CalculatorVisit& calculator : sampleRoom()) {
        QString failure;
        QVERIFY2(visit(*window, calculator, input, failure), qPrintable(failure));
        QCOMPARE(shownFor(window, calculator.results), calculator.results);
        QVERIFY(answerer->messages().isEmpty());
    }
    computeTotals(*window, input);
    QCOMPARE(window->txtQtong->text(), QString::fromLatin1(sampleAverageTotalW));
    QCOMPARE(window->txtqtongmax->text(), QString::fromLatin1(sampleMaximumTotalW));
}

QTEST_MAIN(tst_WholeRoom)
#include "tst_WholeRoom.moc"
