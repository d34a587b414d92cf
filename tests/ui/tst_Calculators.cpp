// The equipment and lighting calculators on the real windows: what they show,
// their worked examples, the lighting standard's refusal and the fault rule.

#include "UiDriver.h"
#include "ui/windows/Kelvora.h"
#include "ui/windows/frmQ1.h"
#include "ui/windows/frmQ2.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using kelvora::ui::frmQ1;
using kelvora::ui::frmQ2;
using kelvora::ui::Kelvora;
using namespace kelvora::ui::test;

namespace {
const QString tooLarge = QStringLiteral("Loi tinh toan: so qua lon");
const QString standardRefused =
    QStringLiteral("Nhap so gia tri tieu chuan chieu sang trong khoang 10-12 W/m2");
} // namespace

class tst_Calculators : public SessionTest {
    Q_OBJECT

private slots:
    void windowsShowTheirTexts_data();
    void windowsShowTheirTexts();
    void equipmentFocusOrder();
    void equipmentHeat_data();
    void equipmentHeat();
    void equipmentFaultKeepsTheWindow();
    void lightingStartsDisabled();
    void lightingStandard_data();
    void lightingStandard();
    void lightingFaultKeepsTheWindow();

private:
    frmQ1* openEquipment() { return qobject_cast<frmQ1*>(openCalculator(0)); }
    frmQ2* openLighting() { return qobject_cast<frmQ2*>(openCalculator(1)); }
};

void tst_Calculators::windowsShowTheirTexts_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");

    QTest::newRow("Q1 title") << 0 << ""
                              << "Tinh Nhiet do may moc ";
    const char* const equipment[][2] = {
        {"Label2", "Số máy vi tính"},
        {"txtsomaytinh", ""},
        {"Label8", "Máy "},
        {"Label1", "Số máy Fax"},
        {"txtsomayfax", ""},
        {"Label9", "Máy "},
        {"Label16", "Số máy In"},
        {"txtsomayin", ""},
        {"Label11", "Máy "},
        {"Label4", "Số máy Photo"},
        {"txtsomayphoto", ""},
        {"Label12", "Máy "},
        {"Label5", "Số máy Scan"},
        {"txtsomayscan", ""},
        {"Label13", "Máy "},
        {"Label6", "Số máy Chiếu"},
        {"txtsomaychieu", ""},
        {"Label14", "Máy "},
        {"Label7", "Công suất các thiết bị  khác"},
        {"txtcongsuatmaykhac", "0"},
        {"Label10", "W"},
        {"cmdtinh", "Tính"},
    };
    for (const auto& [name, text] : equipment)
        QTest::addRow("Q1 %s", name) << 0 << name << QString::fromUtf8(text);

    QTest::newRow("Q2 title") << 1 << "" << QString::fromUtf8("Nhập");
    const char* const lighting[][2] = {
        {"Label1", "Nhập diện tích phòng"},
        {"txtdientich", "60"},
        {"dv", "m2"},
        {"Label4", "Nhập giá trị tiêu chuẩn chiếu sáng "},
        {"txttieuchuan", "11"},
        {"Label3", "W/m2"},
        {"tinh", "Tính"},
    };
    for (const auto& [name, text] : lighting)
        QTest::addRow("Q2 %s", name) << 1 << name << QString::fromUtf8(text);
}

void tst_Calculators::windowsShowTheirTexts() {
    QFETCH(int, entry);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QWidget* calculator = entry == 0 ? static_cast<QWidget*>(openEquipment()) : openLighting();
    QVERIFY(calculator != nullptr);
    QCOMPARE(calculator->objectName(),
             entry == 0 ? QStringLiteral("frmQ1") : QStringLiteral("frmQ2"));
    if (name.isEmpty()) {
        QCOMPARE(calculator->windowTitle(), text);
        return;
    }
    QWidget* control = calculator->findChild<QWidget*>(name);
    QVERIFY2(control != nullptr, qPrintable(name));
    QCOMPARE(controlText(control), text);
}

void tst_Calculators::equipmentFocusOrder() {
    frmQ1* q1 = openEquipment();
    QVERIFY(q1 != nullptr);
    QVERIFY(q1->cmdtinh->isEnabled());

    QApplication::setActiveWindow(q1);
    QVERIFY(QTest::qWaitForWindowActive(q1));
    const QStringList order = {"cmdtinh",       "txtsomaytinh", "txtcongsuatmaykhac",
                               "txtsomaychieu", "txtsomayscan", "txtsomayphoto",
                               "txtsomayin",    "txtsomayfax",  "cmdtinh"};
    for (const QString& name : order) {
        QCOMPARE(QApplication::focusWidget()->objectName(), name);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
}

void tst_Calculators::equipmentHeat_data() {
    QTest::addColumn<QStringList>("counts"); // computers, fax, printers, copiers, scanners,
                                             // projectors, other power
    QTest::addColumn<QString>("q1");

    QTest::newRow("nothing typed") << QStringList{} << "0";
    QTest::newRow("an office") << QStringList{"10", "1", "2", "1", "1", "1", "500"} << "4100";
    QTest::newRow("2.5 computers") << QStringList{"2.5", "", "", "", "", "", "0"} << "750";
    QTest::newRow("one printer less") << QStringList{"", "", "-1", "", "", "", "0"} << "-100";
    QTest::newRow("250.5 W rounds down") << QStringList{"", "", "", "", "", "", "250.5"} << "250";
    QTest::newRow("251.5 W rounds up") << QStringList{"", "", "", "", "", "", "251.5"} << "252";
    QTest::newRow("other power emptied") << QStringList{"1", "", "", "", "", "", ""} << "300";
    QTest::newRow("texts with units")
        << QStringList{"3 máy", "x", "1,9", "", "", "", "5 W"} << "1005";
}

void tst_Calculators::equipmentHeat() {
    QFETCH(QStringList, counts);
    QFETCH(QString, q1);
    frmQ1* window1 = openEquipment();
    QVERIFY(window1 != nullptr);
    QLineEdit* const fields[] = {window1->txtsomaytinh,      window1->txtsomayfax,
                                 window1->txtsomayin,        window1->txtsomayphoto,
                                 window1->txtsomayscan,      window1->txtsomaychieu,
                                 window1->txtcongsuatmaykhac};
    for (int i = 0; i < counts.size(); ++i)
        retype(fields[i], counts[i]);
    window->txtQ1->setText("old");

    clickButton(window1->cmdtinh);
    QCOMPARE(window->txtQ1->text(), q1);
    QVERIFY(!window1->isVisible());
    QVERIFY(answerer->messages().isEmpty());

    // Hidden, not gone: the next visit shows what was typed.
    clickEntry(window->loaiQ, 1);
    clickEntry(window->loaiQ, 0);
    QCOMPARE(window->calculators().find<frmQ1>(), window1);
    for (int i = 0; i < counts.size(); ++i)
        QCOMPARE(fields[i]->text(), counts[i]);
}

void tst_Calculators::equipmentFaultKeepsTheWindow() {
    frmQ1* q1 = openEquipment();
    QVERIFY(q1 != nullptr);
    retype(q1->txtsomaytinh, "1E308");
    clickButton(q1->cmdtinh);
    QCOMPARE(answerer->messages(), QStringList{tooLarge});
    QCOMPARE(window->txtQ1->text(), QStringLiteral("0"));
    QVERIFY(q1->isVisible());

    // The program goes on, and the same window computes once the count is sane.
    retype(q1->txtsomaytinh, "1");
    clickButton(q1->cmdtinh);
    QCOMPARE(window->txtQ1->text(), QStringLiteral("300"));
    QCOMPARE(answerer->messages().size(), 1);
}

void tst_Calculators::lightingStartsDisabled() {
    frmQ2* q2 = openLighting();
    QVERIFY(q2 != nullptr);
    QApplication::setActiveWindow(q2);
    QVERIFY(QTest::qWaitForWindowActive(q2));
    QCOMPARE(QApplication::focusWidget(), q2->txtdientich);
    QVERIFY(!q2->tinh->isEnabled());
    // Editing the area does not enable it; clicking a disabled button does nothing.
    retype(q2->txtdientich, "60");
    QVERIFY(!q2->tinh->isEnabled());
    clickButton(q2->tinh);
    QCOMPARE(window->txtQ2->text(), QStringLiteral("0"));
    // The last digit of "11" taken away and typed again: now it computes.
    q2->txttieuchuan->setFocus();
    QTest::keyClick(q2->txttieuchuan, Qt::Key_End);
    QTest::keyClick(q2->txttieuchuan, Qt::Key_Backspace);
    QTest::keyClick(q2->txttieuchuan, Qt::Key_1);
    QVERIFY(q2->tinh->isEnabled());
    QTest::keyClick(q2->txttieuchuan, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), q2->tinh);
    QTest::keyClick(q2->tinh, Qt::Key_Space);
    QCOMPARE(window->txtQ2->text(), QStringLiteral("660"));
}

void tst_Calculators::lightingStandard_data() {
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("standard");
    QTest::addColumn<QString>("q2"); // empty: refused

    QTest::newRow("11") << "60"
                        << "11"
                        << "660";
    QTest::newRow("10") << "60"
                        << "10"
                        << "600";
    QTest::newRow("12") << "60"
                        << "12"
                        << "720";
    QTest::newRow("11.0") << "60"
                          << "11.0"
                          << "660";
    QTest::newRow("11 W") << "60"
                          << "11 W"
                          << "660";
    QTest::newRow("tie rounds down") << "0.25"
                                     << "10"
                                     << "2";
    QTest::newRow("tie rounds up") << "0.75"
                                   << "10"
                                   << "8";
    QTest::newRow("area emptied") << ""
                                  << "12"
                                  << "0";
    QTest::newRow("9") << "60"
                       << "9"
                       << "";
    QTest::newRow("13") << "60"
                        << "13"
                        << "";
    QTest::newRow("10.5") << "60"
                          << "10.5"
                          << "";
    QTest::newRow("100") << "60"
                         << "100"
                         << "";
    QTest::newRow("empty") << "60"
                           << ""
                           << "";
    QTest::newRow("letters") << "60" << QString::fromUtf8("mười") << "";
}

void tst_Calculators::lightingStandard() {
    QFETCH(QString, area);
    QFETCH(QString, standard);
    QFETCH(QString, q2);
    frmQ2* lighting = openLighting();
    QVERIFY(lighting != nullptr);
    retype(lighting->txtdientich, area);
    retype(lighting->txttieuchuan, standard);
    window->txtQ2->setText("old");

    clickButton(lighting->tinh);
    if (q2.isEmpty()) {
        QCOMPARE(answerer->messages(), QStringList{standardRefused});
        QCOMPARE(window->txtQ2->text(), QStringLiteral("old"));
        QCOMPARE(window->calculators().find<frmQ2>(), lighting);
        QVERIFY(lighting->isVisible());
        QVERIFY(lighting->tinh->isEnabled());
        QCOMPARE(lighting->txttieuchuan->text(), standard);
    } else {
        QVERIFY(answerer->messages().isEmpty());
        QCOMPARE(window->txtQ2->text(), q2);
        QVERIFY(window->calculators().find<frmQ2>() == nullptr);
    }
}

void tst_Calculators::lightingFaultKeepsTheWindow() {
    frmQ2* lighting = openLighting();
    QVERIFY(lighting != nullptr);
    retype(lighting->txtdientich, "1E308");
    retype(lighting->txttieuchuan, "12");
    clickButton(lighting->tinh);
    QCOMPARE(answerer->messages(), QStringList{tooLarge});
    QCOMPARE(window->txtQ2->text(), QStringLiteral("0"));
    QVERIFY(lighting->isVisible());

    // A standard beyond the double range is a fault too, not a refused standard.
    answerer->forget();
    retype(lighting->txttieuchuan, "1e999");
    clickButton(lighting->tinh);
    QCOMPARE(answerer->messages(), QStringList{tooLarge});
    QVERIFY(lighting->isVisible());
}

QTEST_MAIN(tst_Calculators)
#include "tst_Calculators.moc"
