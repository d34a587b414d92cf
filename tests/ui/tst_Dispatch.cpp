// The component list and the calculator windows it drives: the check of the
// air conditions, and the life of a window from creation to its close box.

#include "UiDriver.h"
#include "room/Components.h"
#include "ui/windows/CalculatorWindow.h"
#include "ui/windows/Kelvora.h"
#include "ui/windows/frmQ1.h"
#include "ui/windows/frmQ2.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using kelvora::ui::CalculatorWindow;
using kelvora::ui::frmQ1;
using kelvora::ui::frmQ2;
using kelvora::ui::Kelvora;
using namespace kelvora::ui::test;

namespace {
constexpr int equipmentEntry = 0;
constexpr int lightingEntry = 1;
constexpr int firstShortCheckEntry = 5; // the envelope, roof and floor check less

int entryCount() {
    return int(kelvora::room::components().size());
}
const QString airConditionsMissing = QStringLiteral("Nhap so lieu nhiet do va dung am");
} // namespace

class tst_Dispatch : public SessionTest {
    Q_OBJECT

private slots:
    void checksTheAirConditions_data();
    void checksTheAirConditions();
    void firstPickCreatesEveryCalculator();
    void eachPickShowsItsCalculatorAlone_data();
    void eachPickShowsItsCalculatorAlone();
    void refusedPickLeavesTheShownCalculator();
    void refusedPickHidesTheFirstTwo();
    void hiddenCalculatorKeepsItsTexts();
    void closeBoxForgetsTheTexts();
    void lightingReopensWithTheNewArea();
    void keyboardPicksEntries();

private:
    [[nodiscard]] frmQ1* equipment() const { return window->calculators().find<frmQ1>(); }
    [[nodiscard]] frmQ2* lighting() const { return window->calculators().find<frmQ2>(); }
    [[nodiscard]] bool shown(int entry) const {
        CalculatorWindow* w = window->calculators().window(entry);
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
    for (int entry = 0; entry < entryCount(); ++entry) {
        const bool fullCheck = entry < firstShortCheckEntry;
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
    if (entry == equipmentEntry || entry == lightingEntry)
        QCOMPARE(shown(entry), !refused);
    QVERIFY(!shown(entry == equipmentEntry ? lightingEntry : equipmentEntry));
    // The refused entry stays selected, for the user to fix the field and pick again.
    QCOMPARE(window->loaiQ->currentRow(), entry);
}

void tst_Dispatch::firstPickCreatesEveryCalculator() {
    clickEntry(window->loaiQ, 2);
    QVERIFY(answerer->messages().isEmpty());
    // Each start-up ran now: the lighting window took the area of this moment.
    QVERIFY(!shown(equipmentEntry));
    QVERIFY(!shown(lightingEntry));
    QCOMPARE(lighting()->txtdientich->text(), QStringLiteral("60"));
    QVERIFY(!lighting()->tinh->isEnabled());

    retype(window->txtdientich, "75");
    clickEntry(window->loaiQ, 1);
    QVERIFY(shown(lightingEntry));
    QCOMPARE(lighting()->txtdientich->text(), QStringLiteral("60"));
}

void tst_Dispatch::eachPickShowsItsCalculatorAlone_data() {
    QTest::addColumn<int>("first");
    for (int entry = 0; entry < entryCount(); ++entry)
        QTest::addRow("first pick %d", entry) << entry;
}

// Whichever entry comes first creates every calculator, and every pick after
// it, from the last entry back to the first, leaves its own calculator alone shown.
void tst_Dispatch::eachPickShowsItsCalculatorAlone() {
    QFETCH(int, first);
    QList<int> picks{first};
    for (int entry = entryCount() - 1; entry >= 0; --entry)
        picks << entry;
    for (const int pick : std::as_const(picks)) {
        clickEntry(window->loaiQ, pick);
        for (int entry = 0; entry < entryCount(); ++entry) {
            QVERIFY2(
                window->calculators().window(entry) != nullptr,
                qPrintable(QStringLiteral("pick %1: calculator %2 missing").arg(pick).arg(entry)));
            QVERIFY2(shown(entry) == (entry == pick),
                     qPrintable(QStringLiteral("pick %1: calculator %2").arg(pick).arg(entry)));
        }
    }
    QVERIFY(answerer->messages().isEmpty());
}

void tst_Dispatch::refusedPickLeavesTheShownCalculator() {
    clickEntry(window->loaiQ, 1);
    QVERIFY(shown(lightingEntry));
    // While the lighting window is shown, the refused pick of Q1 hides it first.
    retype(window->txtnhietdotrong, "");
    clickEntry(window->loaiQ, 0);
    QCOMPARE(answerer->messages(), QStringList{airConditionsMissing});
    QVERIFY(!shown(equipmentEntry));
    QVERIFY(!shown(lightingEntry));
}

void tst_Dispatch::refusedPickHidesTheFirstTwo() {
    clickEntry(window->loaiQ, 1);
    retype(window->txtnhietdotrong, "");
    clickEntry(window->loaiQ, 3);
    QCOMPARE(answerer->messages(), QStringList{airConditionsMissing});
    QVERIFY(!shown(lightingEntry));
    QVERIFY(lighting() != nullptr); // hidden, not destroyed
}

void tst_Dispatch::hiddenCalculatorKeepsItsTexts() {
    clickEntry(window->loaiQ, 0);
    QVERIFY(shown(equipmentEntry));
    frmQ1* first = equipment();
    retype(first->txtsomaytinh, "4");
    retype(first->txtcongsuatmaykhac, QString::fromUtf8("12 khác"));

    clickEntry(window->loaiQ, 1);
    QVERIFY(!shown(equipmentEntry));
    QVERIFY(shown(lightingEntry));
    clickEntry(window->loaiQ, 0);
    QVERIFY(shown(equipmentEntry));
    QVERIFY(!shown(lightingEntry));
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
    QVERIFY(shown(equipmentEntry));
    QTest::keyClick(list, Qt::Key_Down);
    QVERIFY(shown(lightingEntry));
    QVERIFY(!shown(equipmentEntry));
    QTest::keyClick(list, Qt::Key_End);
    QCOMPARE(list->currentRow(), 7);
    QVERIFY(!shown(lightingEntry));
    QTest::keyClick(list, Qt::Key_Home);
    QVERIFY(shown(equipmentEntry));
    QVERIFY(answerer->messages().isEmpty());
}

QTEST_MAIN(tst_Dispatch)
#include "tst_Dispatch.moc"
