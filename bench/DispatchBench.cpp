// The first dispatch, which creates all eight calculator windows, and a
// compute in each calculator, measured with QBENCHMARK. A benchmark, not a
// test: bench/run runs it, the first dispatch in a fresh process each time,
// since it happens once in a run of the program.

#include "SampleRoom.h"
#include "UiDriver.h"
#include "room/Components.h"
#include "ui/windows/CalculatorWindow.h"

#include <QAbstractButton>
#include <QListWidget>
#include <QTest>

using namespace kelvora::ui::test;

class DispatchBench : public SessionTest {
    Q_OBJECT

private slots:
    void firstDispatch();
    void compute_data();
    void compute();
};

void DispatchBench::firstDispatch() {
    QBENCHMARK_ONCE {
        window->loaiQ->setCurrentRow(0);
    }
    for (int entry = 0; entry < int(kelvora::room::components().size()); ++entry)
        QVERIFY(window->calculators().window(entry) != nullptr);
}

void DispatchBench::compute_data() {
    QTest::addColumn<int>("visit"); // in the sample room
    for (std::size_t visit = 0; visit < sampleRoom().size(); ++visit) {
        // The entry's last word names the component ("Q1").
        const QString entryText = QString::fromUtf8(
            kelvora::room::components()[std::size_t(sampleRoom()[visit].entry)].entryText);
        QTest::addRow("%s", qPrintable(entryText.section(u' ', -1))) << int(visit);
    }
}

// The calculator filled in as the sample room fills it; its handler then runs
// again and again on the same texts. (The lighting calculator closes itself
// after a compute; it is destroyed only once the events are processed again.)
void DispatchBench::compute() {
    QFETCH(int, visit);
    QString failure;
    QAbstractButton* button =
        openAndFillIn(*window, sampleRoom()[std::size_t(visit)], Input::Mouse, failure);
    QVERIFY2(button != nullptr, qPrintable(failure));
    QBENCHMARK {
        button->click();
    }
    QVERIFY(answerer->messages().isEmpty());
}

QTEST_MAIN(DispatchBench)
#include "DispatchBench.moc"
