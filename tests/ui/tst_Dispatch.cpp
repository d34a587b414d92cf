// The component list and the calculator windows it drives: the check of the
// air conditions, and the life of a window from creation to its close box.

#include "UiDriver.h"
#include "ui/CalculatorWindow.h"
#include "ui/Kelvora.h"
#include "ui/frmQ1.h"
#include "ui/frmQ2.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using kelvora::Component;
using kelvora::ui::CalculatorWindow;
using kelvora::ui::frmQ1;
using kelvora::ui::frmQ2;
using kelvora::ui::Kelvora;
using namespace kelvora::ui::test;

namespace {
const QString airConditionsMissing = QStringLiteral("Nhap so lieu nhiet do va dung am");
}

class tst_Dispatch : public SessionTest {
    Q_OBJECT

private slots:
    void checksTheAirConditions_data();
    void checksTheAirConditions();
    void firstPickCreatesEveryCalculator();
    void refusedPickLeavesTheShownCalculator();
    void refusedPickHidesTheFirstTwo();
    void hiddenCalculatorKeepsItsTexts();
    void closeBoxForgetsTheTexts();
    void lightingReopensWithTheNewArea();
    void keyboardPicksEntries();

private:
    [[nodiscard]] frmQ1* equipment() const {
        return qobject_cast<frmQ1*>(window->calculators().window(Component::Q1));
    }
    [[nodiscard]] frmQ2* lighting() const {
        return qobject_cast<frmQ2*>(window->calculators().window(Component::Q2));
    }
    [[nodiscard]] bool shown(Component c) const {
        CalculatorWindow* w = window->calculators().window(c);
        return w != nullptr && w->isVisible();
    }
};

void tst_Dispatch::checksTheAirConditions_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("entry");
    QTest::addColumn<bool>("refused");

    const char* const fullOnly[] = {"txtsonguoi", "txtdoamtrong", "txtdoamngoai"};
    const char* const both[] = {"txtnhietdotrong", "txtnhietdongoai", "txtdungamtrong",
                                "txtdungamngoai"};
    const char* const never[] = {"txtdientich", "txttenphong", "txtenthanpyngoai",
                                 "txtenthanpytrong"};
    for (int entry = 0; entry < 8; ++entry) {
        const bool fullCheck = entry < 5;
        for (const char* name : fullOnly)
            QTest::addRow("%s empty, entry %d", name, entry) << name << "" << entry << fullCheck;
        for (const char* name : both)
            QTest::addRow("%s empty, entry %d", name, entry) << name << "" << entry << true;
        for (const char* name : never)
            QTest::addRow("%s empty, entry %d", name, entry) << name << "" << entry << false;
        QTest::addRow("a blank passes, entry %d", entry) << "txtdoamngoai"
                                                         << " " << entry << false;
        QTest::addRow("letters pass, entry %d", entry) << "txtnhietdotrong"
                                                       << "abc" << entry << false;
    }
}

void tst_Dispatch::checksTheAirConditions() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(int, entry);
    QFETCH(bool, refused);
    retype(window->findChild<QLineEdit*>(field), text);

    clickEntry(window->loaiQ, entry);
    QCOMPARE(answerer->messages(), refused ? QStringList{airConditionsMissing} : QStringList{});
    // The first two calculators are made, hidden, whatever the outcome.
    QVERIFY(equipment() != nullptr && lighting() != nullptr);
    const auto chosen = static_cast<Component>(entry);
    if (entry < 2)
        QCOMPARE(shown(chosen), !refused);
    QVERIFY(!shown(entry == 0 ? Component::Q2 : Component::Q1));
    // The refused entry stays selected, for the user to fix the field and pick again.
    QCOMPARE(window->loaiQ->currentRow(), entry);
}

void tst_Dispatch::firstPickCreatesEveryCalculator() {
    clickEntry(window->loaiQ, 2);
    QVERIFY(answerer->messages().isEmpty());
    // Each start-up ran now: the lighting window took the area of this moment.
    QVERIFY(!shown(Component::Q1));
    QVERIFY(!shown(Component::Q2));
    QCOMPARE(lighting()->txtdientich->text(), QStringLiteral("60"));
    QVERIFY(!lighting()->tinh->isEnabled());

    retype(window->txtdientich, "75");
    clickEntry(window->loaiQ, 1);
    QVERIFY(shown(Component::Q2));
    QCOMPARE(lighting()->txtdientich->text(), QStringLiteral("60"));
}

void tst_Dispatch::refusedPickLeavesTheShownCalculator() {
    clickEntry(window->loaiQ, 1);
    QVERIFY(shown(Component::Q2));
    // While the lighting window is shown, the refused pick of Q1 hides it first.
    retype(window->txtnhietdotrong, "");
    clickEntry(window->loaiQ, 0);
    QCOMPARE(answerer->messages(), QStringList{airConditionsMissing});
    QVERIFY(!shown(Component::Q1));
    QVERIFY(!shown(Component::Q2));
}

void tst_Dispatch::refusedPickHidesTheFirstTwo() {
    clickEntry(window->loaiQ, 1);
    retype(window->txtnhietdotrong, "");
    clickEntry(window->loaiQ, 3);
    QCOMPARE(answerer->messages(), QStringList{airConditionsMissing});
    QVERIFY(!shown(Component::Q2));
    QVERIFY(lighting() != nullptr); // hidden, not destroyed
}

void tst_Dispatch::hiddenCalculatorKeepsItsTexts() {
    clickEntry(window->loaiQ, 0);
    QVERIFY(shown(Component::Q1));
    frmQ1* first = equipment();
    retype(first->txtsomaytinh, "4");
    retype(first->txtcongsuatmaykhac, QString::fromUtf8("12 khác"));

    clickEntry(window->loaiQ, 1);
    QVERIFY(!shown(Component::Q1));
    QVERIFY(shown(Component::Q2));
    clickEntry(window->loaiQ, 0);
    QVERIFY(shown(Component::Q1));
    QVERIFY(!shown(Component::Q2));
    QCOMPARE(equipment(), first);
    QCOMPARE(first->txtsomaytinh->text(), QStringLiteral("4"));
    QCOMPARE(first->txtcongsuatmaykhac->text(), QString::fromUtf8("12 khác"));
}

void tst_Dispatch::closeBoxForgetsTheTexts() {
    clickEntry(window->loaiQ, 0);
    retype(equipment()->txtsomaytinh, "4");
    closeBox(equipment());
    QVERIFY(equipment() == nullptr);

    // The next dispatch creates it afresh, even one that is refused.
    clickEntry(window->loaiQ, 1);
    QVERIFY(equipment() != nullptr);
    QCOMPARE(equipment()->txtsomaytinh->text(), QString());
    QCOMPARE(equipment()->txtcongsuatmaykhac->text(), QStringLiteral("0"));

    retype(lighting()->txttieuchuan, "12");
    closeBox(lighting());
    QVERIFY(lighting() == nullptr);
    retype(window->txtsonguoi, "");
    clickEntry(window->loaiQ, 0); // refused, yet it makes the first two again
    QCOMPARE(answerer->messages(), QStringList{airConditionsMissing});
    QVERIFY(lighting() != nullptr);
    QCOMPARE(lighting()->txttieuchuan->text(), QStringLiteral("11"));
    QVERIFY(!lighting()->tinh->isEnabled());
}

void tst_Dispatch::lightingReopensWithTheNewArea() {
    clickEntry(window->loaiQ, 1);
    retype(lighting()->txttieuchuan, "11");
    clickButton(lighting()->tinh);
    QCOMPARE(window->txtQ2->text(), QStringLiteral("660"));
    QVERIFY(lighting() == nullptr); // it closed itself

    retype(window->txtdientich, "80");
    clickEntry(window->loaiQ, 0);
    clickEntry(window->loaiQ, 1);
    QCOMPARE(lighting()->txtdientich->text(), QStringLiteral("80"));
}

void tst_Dispatch::keyboardPicksEntries() {
    QListWidget* list = window->loaiQ;
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentRow(), 0);
    QVERIFY(shown(Component::Q1));
    QTest::keyClick(list, Qt::Key_Down);
    QVERIFY(shown(Component::Q2));
    QVERIFY(!shown(Component::Q1));
    QTest::keyClick(list, Qt::Key_End);
    QCOMPARE(list->currentRow(), 7);
    QVERIFY(!shown(Component::Q2));
    QTest::keyClick(list, Qt::Key_Home);
    QVERIFY(shown(Component::Q1));
    QVERIFY(answerer->messages().isEmpty());
}

QTEST_MAIN(tst_Dispatch)
#include "tst_Dispatch.moc"
