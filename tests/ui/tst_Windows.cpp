// How the calculator windows behave as windows on a desktop: picking again,
// the keys that compute and step aside, staying above the main window, where
// they open, and how screen readers announce them.

#include "UiDriver.h"

#include <QTest>

using namespace kelvora::ui::test;

class tst_Windows : public SessionTest {
    Q_OBJECT

private slots:
    void opensACalculator();
};

void tst_Windows::opensACalculator() {
    QVERIFY(openCalculator(0) != nullptr);
}

QTEST_MAIN(tst_Windows)
#include "tst_Windows.moc"
