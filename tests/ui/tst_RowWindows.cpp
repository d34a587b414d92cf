// What the occupant, infiltration, roof and floor calculators show on the
// real windows: every text, the focus order and the compute buttons' enabled
// states, the activity list's heat per person, and the volume that alone
// enables the infiltration compute.

#include "CalculatorInputs.h"
#include "UiDriver.h"
#include "ui/windows/Kelvora.h"
#include "ui/windows/frmQ3.h"
#include "ui/windows/frmQ4.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <QTest>

#include <initializer_list>

using kelvora::ui::frmQ3;
using kelvora::ui::frmQ4;
using namespace kelvora::ui::test;

class tst_RowWindows : public SessionTest {
    Q_OBJECT

private slots:
    void windowsShowTheirTexts_data();
    void windowsShowTheirTexts();
    void focusOrder_data();
    void focusOrder();
    void pickShowsTheHeatPerPerson_data();
    void pickShowsTheHeatPerPerson();
    void onlyTheVolumeEnablesInfiltration();
};

void tst_RowWindows::windowsShowTheirTexts_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("texts"); // control=text, every control of the window

    const auto texts = [](std::initializer_list<const char*> pairs) {
        QStringList list;
        for (const char* pair : pairs)
            list << QString::fromUtf8(pair);
        return list;
    };
    QTest::newRow("Q3") << occupants << "Tinh nhiet do nguoi toa  ra"
                        << texts({"songuoi=Nhập số lượng người lớn  trong phòng", "txtsonguoi=21",
                                  "Label4=Người", "Label3=Nhập số lượng trẻ em trong phòng",
                                  "txttreem=", "Label2=Người", "Label5=Chọn loại lao động",
                                  "Label6=Nhiệt  do một người toả ra ứng với loại lao động trên",
                                  "txtq=", "Label1=W/Người", "tinh=Tính"});
    QTest::newRow("Q4") << infiltration << "Nhiet ton that do ro lot khong khi"
                        << texts({"Label1=Enthanpy của không khí ngoài trời",
                                  "txtenthanpyngoai=101.6478", "Label10=KJ/kgkkk",
                                  "Label2=Enthanpy của không khí trong nhà",
                                  "txtenthanpytrong=57.9914", "Label3=KJ/kgkkk",
                                  "Label4=Nhập thể tích phòng", "txtthetichphong=", "Label11=m3",
                                  "tinh=Tính"});
    QTest::newRow("Q7")
        << roof << "Nhiet luong ton that do buc xa qua mai"
        << texts({"Label1=Diện tích mái bằng(bêtông)", "txtdtmaibang=0",
                  "Label3=Hệ số truyền nhiệt", "txthstnmaibang=0.038", "Label5=W/m2.k",
                  "Label9=Hệ số hấp hụ của vật liệu làm bề mặt mái bằng", "txthshtmaibang=0.55",
                  "Label2=Diện tích mái vòm(tole)", "txtdtmaivom=0", "Label4=Hệ số truyền nhiệt",
                  "txthstnmaivom=0.035", "Label6=W/m2.k",
                  "Label10=Hệ số hấp hụ của vật liệu làm bề mặt mái vòm", "txthshtmaivom=0.6",
                  "Label7=Nhiệt độ không khí trong phòng", "txtnhietdotrong=25",
                  "Label8=Nhiệt độ không khí ngoài trời", "txtnhietdongoai=34.6", "cmdtinh=Tinh"});
    QTest::newRow("Q8") << floorEntry << "Nhiet truyen qua nen"
                        << texts({"label1=Nhiệt độ không khí ngoài trời", "txtnhietdongoai=34.6",
                                  "Label2=Nhiệt độ không khí trong phòng", "txtnhietdotrong=25",
                                  "Label3=Nhập chiều dài phòng", "txtchieudai=0", "Label5=m",
                                  "Label4=Nhập chiều rộng phòng", "txtchieurong=0", "Label6=m",
                                  "tinh=Tính"});
}

void tst_RowWindows::windowsShowTheirTexts() {
    QFETCH(int, entry);
    QFETCH(QString, title);
    QFETCH(QStringList, texts);
    QWidget* calculator = openCalculator(entry);
    QVERIFY(calculator != nullptr);
    QCOMPARE(calculator->objectName(), QStringLiteral("frmQ%1").arg(entry + 1));
    QCOMPARE(calculator->windowTitle(), title);
    QCOMPARE(shownFor(calculator, texts), texts);
    // Nothing more than these, and the activity list.
    const qsizetype lists = calculator->findChildren<QListWidget*>().size();
    QCOMPARE(calculator->findChildren<QLabel*>().size() +
                 calculator->findChildren<QLineEdit*>().size() +
                 calculator->findChildren<QPushButton*>().size() + lists,
             texts.size() + (entry == occupants ? 1 : 0));
}

void tst_RowWindows::focusOrder_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<bool>("startsEnabled");
    QTest::addColumn<QStringList>("order"); // the first holds the focus when shown

    QTest::newRow("Q3") << occupants << false
                        << QStringList{"txtsonguoi", "lstloailaodong", "txtq", "tinh", "txttreem"};
    QTest::newRow("Q4") << infiltration << false
                        << QStringList{"txtenthanpyngoai", "txtenthanpytrong", "txtthetichphong",
                                       "tinh"};
    QTest::newRow("Q7") << roof << true
                        << QStringList{"txtdtmaibang",    "txtdtmaivom",    "txthstnmaibang",
                                       "txthstnmaivom",   "cmdtinh",        "txtnhietdongoai",
                                       "txtnhietdotrong", "txthshtmaibang", "txthshtmaivom"};
    QTest::newRow("Q8") << floorEntry << true
                        << QStringList{"txtnhietdongoai", "txtnhietdotrong", "txtchieudai",
                                       "txtchieurong", "tinh"};
}

void tst_RowWindows::focusOrder() {
    QFETCH(int, entry);
    QFETCH(bool, startsEnabled);
    QFETCH(QStringList, order);
    QWidget* calculator = openCalculator(entry);
    QVERIFY(calculator != nullptr);
    QApplication::setActiveWindow(calculator);
    QVERIFY(QTest::qWaitForWindowActive(calculator));
    QCOMPARE(QApplication::focusWidget()->objectName(), order.front());
    QCOMPARE(computeButton(calculator)->isEnabled(), startsEnabled);

    // The disabled button is passed over until the user's first touch enables it.
    if (entry == occupants)
        clickEntry(qobject_cast<frmQ3*>(calculator)->lstloailaodong, 0);
    if (entry == infiltration)
        typeKeys(qobject_cast<frmQ4*>(calculator)->txtthetichphong, "1");
    QVERIFY(computeButton(calculator)->isEnabled());
    calculator->findChild<QWidget*>(order.front())->setFocus();
    for (const QString& name : order + QStringList{order.front()}) {
        QCOMPARE(QApplication::focusWidget()->objectName(), name);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
}

void tst_RowWindows::pickShowsTheHeatPerPerson_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("activity");
    QTest::addColumn<QString>("heat");
    const char* const activities[][2] = {
        {"Tĩnh tại", "80"},       {"Lao động nhẹ", "120"},        {"Lao động trung bình", "170"},
        {"Lao động nặng", "250"}, {"Phòng ăn, khách sạn", "125"}, {"Vũ trường", "190"},
    };
    for (int row = 0; row < 6; ++row)
        QTest::addRow("%d", row) << row << QString::fromUtf8(activities[row][0])
                                 << activities[row][1];
}

void tst_RowWindows::pickShowsTheHeatPerPerson() {
    QFETCH(int, row);
    QFETCH(QString, activity);
    QFETCH(QString, heat);
    auto* q3 = qobject_cast<frmQ3*>(openCalculator(occupants));
    QVERIFY(q3 != nullptr);
    QCOMPARE(q3->lstloailaodong->count(), 6);
    QVERIFY(q3->lstloailaodong->selectedItems().isEmpty());
    QCOMPARE(q3->lstloailaodong->item(row)->text(), activity);
    clickEntry(q3->lstloailaodong, row);
    QCOMPARE(q3->txtq->text(), heat);
    QVERIFY(q3->tinh->isEnabled());
}

void tst_RowWindows::onlyTheVolumeEnablesInfiltration() {
    auto* q4 = qobject_cast<frmQ4*>(openCalculator(infiltration));
    QVERIFY(q4 != nullptr);
    retype(q4->txtenthanpyngoai, "90");
    retype(q4->txtenthanpytrong, "50");
    QVERIFY(!q4->tinh->isEnabled());
    clickButton(q4->tinh);
    QCOMPARE(window->txtQ4->text(), QStringLiteral("0"));
    QVERIFY(q4->isVisible());

    typeKeys(q4->txtthetichphong, "7");
    QVERIFY(q4->tinh->isEnabled());
    QTest::keyClick(q4->txtthetichphong, Qt::Key_Backspace);
    QVERIFY(q4->tinh->isEnabled()); // emptying counts as a change too
    window->txtQ4->setText("old");
    clickButton(q4->tinh);
    QCOMPARE(window->txtQ4->text(), QStringLiteral("0"));
}

QTEST_MAIN(tst_RowWindows)
#include "tst_RowWindows.moc"
