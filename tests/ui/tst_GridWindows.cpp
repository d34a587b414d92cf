// What the glazing and envelope calculators show on the real windows: their
// texts, the captions clear of the grid, the cells' accessible names, the
// focus order, the glazing lists and arrow keys, and the refraction pick that
// alone enables the glazing compute.

#include "CalculatorInputs.h"
#include "UiDriver.h"
#include "ui/windows/Kelvora.h"
#include "ui/windows/frmQ5.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPoint>
#include <QPushButton>
#include <QStringList>
#include <QTest>

using kelvora::ui::frmQ5;
using namespace kelvora::ui::test;

namespace {

// What each control shows when its window is created, as "name=text|name=text".
const char* const glazingTexts[] = {
    "Label4=Đông|Label18=Tây|Label23=Nam|Label8=Bắc|Label7=Đ-B|Label6=Đ-N|Label5=T-B|Label9=T-N",
    "Label3=Diện tích kính chịu bức xạ|Label12=Giờ có bức xạ cực đại",
    "Label17=Cường độ bức xạ trung bình(W/m2)|Label14=Cường độ bức xạ cực đại (W/m2)",
    "txtdong=0|txttay=0|txtnam=0|txtbac=0|txtdb=0|xtdn=0|txttb=0|txttn=0",
    "Text17=8|Text15=16|Text16=12|Text14=8;16|Text13=8|Text12=9|Text10=16|Text11=16",
    "txttbd=432|txttbt=431|txttbn=238|txttbb=125|txttbdb=257|txttbdn=277|txttbtb=261|txttbtn=312",
    "txtcdbxD=634|txtcdbxT=634|txtcdbxN=454|txtcdbxB=231",
    "txtcdbxdb=586|txtcdbxdn=624|txtcdbxtb=584|txtcdbxtn=678",
    "Label1=Chọn hệ số trong suốt của kính|Label2=Chọn hệ số bám bẩn của kính",
    "Label15=Chọn hệ số khúc xạ của kính|Label16=Chọn hệ số tán xạ do che chắn",
    "Label19=Giá trị của hệ số|Label20=Giá trị của hệ số|Label21=Giá trị của hệ số",
    "Label22=Giá trị của hệ số|txthstrongsuot=0|txthsbamban=0|txthskhucxa=0|txthstanxa=1|tinh=Tính",
};
const char* const envelopeTexts[] = {
    "Label4=Đông|Label6=Tây|Label7=Nam|Label8=Bắc|Label11=Kính|Label9=Trần "
    "|Label10=Sàn|Label12=Cửa",
    "Label1=Diện tích của kết cấu bao che|Label2=Hệ số truyền nhiệt của KCBC",
    "Label3=Hệ số chênh lệch nhiệt độ|cmdtinh=Tính",
    "txtdtdong=0|txtdttay=0|txtdtnam=0|txtdtbac=0|txtdtkinh=0|txtdttran=0|txtdtsan=0|txtdtcua=0",
    "txthstnDong=2.1|txthstntay=2.1|txthstnnam=2.1|txthstnbac=2.1|txthstnkinh=6.33",
    "txthstntran=0.038|txthstnsan=0.038|txthstncua=1.76",
    "txthsnddong=0.7|txthsndtay=0.7|txthsndnam=0.7|txthsndbac=0.7|txthsndkinh=0.7",
    "txthsndtran=0.7|txthsndsan=0.7|txthsndcua=0.7",
};

// Caption, list and field of each glass coefficient, and "entry=value written|…".
const char* const coefficientLists[][4] = {
    {"Label1", "lsthstrongsuot", "txthstrongsuot",
     "Cửa mở không kính=1|Kính 1 lớp=0.9|Kính 2 lớp=0.81"},
    {"Label2", "lsthsbamban", "txthsbamban",
     "Cửa mở không kính=1|Cửa kính 1 lớp đặt đứng=0.8|Cửa kính 1 lớp đặt nghiêng=0.65|"
     "Cửa kính 2 lớp đặt đứng=0.7"},
    {"Label15", "lsthskhucxa", "txthskhucxa",
     "Cửa mở không kính=1|Cửa kính một lớp khung gỗ=0.4|Cửa kính một lớp khung kim loại=0.62"},
    {"Label16", "lsthstanxa", "txthstanxa",
     "Không có rèm che=1|Mái đua=0.05|Mành mành=0.25|Cửa chớp=0.3|Sơn trắng lên kính=0.35|"
     "Rèm che ngoài=0.3|Rèm che trong=0.6|Kính khuếch tán=0.7"},
};

// "name=text|name=text" as "name=text" each; a text keeps its blanks.
QStringList pairs(const char* utf8) {
    return QString::fromUtf8(utf8).split(u'|');
}

} // namespace

class tst_GridWindows : public SessionTest {
    Q_OBJECT

private slots:
    void windowsShowTheirTexts_data();
    void windowsShowTheirTexts();
    void captionsStandClearOfTheGrid_data();
    void captionsStandClearOfTheGrid();
    void cellsAreNamedByRowAndColumn_data();
    void cellsAreNamedByRowAndColumn();
    void focusOrder_data();
    void focusOrder();
    void listPicksWriteTheirValues_data();
    void listPicksWriteTheirValues();
    void arrowKeysPickToo();
    void onlyARefractionPickEnablesTinh_data();
    void onlyARefractionPickEnablesTinh();
};

void tst_GridWindows::windowsShowTheirTexts_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("name"); // empty: the title
    QTest::addColumn<QString>("text");

    QTest::newRow("Q5 title") << glazingEntry << ""
                              << "Nhiet buc xa qua kinh";
    for (const char* texts : glazingTexts)
        for (const QString& pair : pairs(texts))
            QTest::addRow("Q5 %s", qPrintable(nameOf(pair)))
                << glazingEntry << nameOf(pair) << textOf(pair);
    QTest::newRow("Q6 title") << envelopeEntry << ""
                              << "Nhiet truyen qua ket cau bao che do chenh lech nhiet do";
    for (const char* texts : envelopeTexts)
        for (const QString& pair : pairs(texts))
            QTest::addRow("Q6 %s", qPrintable(nameOf(pair)))
                << envelopeEntry << nameOf(pair) << textOf(pair);
}

void tst_GridWindows::windowsShowTheirTexts() {
    QFETCH(int, entry);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QWidget* calculator = openCalculator(entry);
    QVERIFY(calculator != nullptr);
    QCOMPARE(calculator->objectName(), entry == glazingEntry ? "frmQ5" : "frmQ6");
    QWidget* control = name.isEmpty() ? calculator : calculator->findChild<QWidget*>(name);
    QVERIFY2(control != nullptr, qPrintable(name));
    QCOMPARE(name.isEmpty() ? control->windowTitle() : controlText(control), text);
}

void tst_GridWindows::captionsStandClearOfTheGrid_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QString>("firstCell");
    QTest::newRow("Q5") << glazingEntry << QStringList{"Label3", "Label12", "Label17", "Label14"}
                        << "txtdong";
    QTest::newRow("Q6") << envelopeEntry << QStringList{"Label1", "Label2", "Label3"}
                        << "txtdtdong";
}

// Row captions take their natural width: the text must end before the first column.
void tst_GridWindows::captionsStandClearOfTheGrid() {
    QFETCH(int, entry);
    QFETCH(QStringList, captions);
    QFETCH(QString, firstCell);
    QWidget* calculator = openCalculator(entry);
    QVERIFY(calculator != nullptr);
    for (const QString& name : captions) {
        const auto* caption = calculator->findChild<QLabel*>(name);
        const int textEnd =
            caption->x() + caption->fontMetrics().horizontalAdvance(caption->text());
        QVERIFY2(textEnd < field(calculator, firstCell)->x(), qPrintable(name));
    }
}

void tst_GridWindows::cellsAreNamedByRowAndColumn_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("accessibleName");
    QTest::newRow("Q5 east area") << glazingEntry << "txtdong"
                                  << QString::fromUtf8("Diện tích kính chịu bức xạ, Đông");
    QTest::newRow("Q5 south-west peak")
        << glazingEntry << "txtcdbxtn" << QString::fromUtf8("Cường độ bức xạ cực đại (W/m2), T-N");
    QTest::newRow("Q5 north hours")
        << glazingEntry << "Text14" << QString::fromUtf8("Giờ có bức xạ cực đại, Bắc");
    QTest::newRow("Q6 ceiling, blank dropped")
        << envelopeEntry << "txthstntran" << QString::fromUtf8("Hệ số truyền nhiệt của KCBC, Trần");
    QTest::newRow("Q6 door") << envelopeEntry << "txthsndcua"
                             << QString::fromUtf8("Hệ số chênh lệch nhiệt độ, Cửa");
}

void tst_GridWindows::cellsAreNamedByRowAndColumn() {
    QFETCH(int, entry);
    QFETCH(QString, name);
    QFETCH(QString, accessibleName);
    QWidget* calculator = openCalculator(entry);
    QVERIFY(calculator != nullptr);
    QCOMPARE(field(calculator, name)->accessibleName(), accessibleName);
}

void tst_GridWindows::focusOrder_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("order"); // the first holds the focus when shown, and comes back

    QTest::newRow("Q5") << glazingEntry
                        << "txtdong txtnam txttay txtbac txtdb xtdn txttn txttb Text10 Text11 "
                           "Text12 Text13 Text14 Text15 Text16 Text17 txtcdbxtb txtcdbxtn "
                           "txtcdbxdn txtcdbxdb txtcdbxB txtcdbxT txtcdbxN txtcdbxD tinh "
                           "txthstrongsuot txthsbamban txthskhucxa txthstanxa lsthstrongsuot "
                           "lsthsbamban lsthskhucxa lsthstanxa txttbd txttbn txttbt txttbb "
                           "txttbdb txttbdn txttbtn txttbtb txtdong";
    QTest::newRow("Q6")
        << envelopeEntry
        << "txtdtdong txtdttay txtdtnam txtdtbac txtdtkinh txtdttran txtdtsan "
           "txthstnDong txthsndtay txthsnddong txthstntran txthsndnam txthstnsan "
           "txthsndbac txthstnkinh txthstnbac txthstnnam txthstntay txthsndtran "
           "txthsndsan txthsndkinh cmdtinh txtdtcua txthstncua txthsndcua txtdtdong";
}

void tst_GridWindows::focusOrder() {
    QFETCH(int, entry);
    QFETCH(QString, order);
    QWidget* calculator = openCalculator(entry);
    QVERIFY(calculator != nullptr);
    QApplication::setActiveWindow(calculator);
    QVERIFY(QTest::qWaitForWindowActive(calculator));
    const QStringList names = order.split(' ');
    QCOMPARE(QApplication::focusWidget()->objectName(), names.front());
    if (auto* q5 = qobject_cast<frmQ5*>(calculator)) {
        clickEntry(q5->lsthskhucxa, 0); // a disabled "Tính" would be passed over
        q5->txtdong->setFocus();
    }
    for (const QString& name : names) {
        QCOMPARE(QApplication::focusWidget()->objectName(), name);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
}

void tst_GridWindows::listPicksWriteTheirValues_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("values");
    for (const auto& [caption, list, field, entriesAndValues] : coefficientLists) {
        QStringList entries;
        QStringList values;
        for (const QString& pair : pairs(entriesAndValues)) {
            entries << nameOf(pair);
            values << textOf(pair);
        }
        QTest::newRow(list) << caption << list << field << entries << values;
    }
}

void tst_GridWindows::listPicksWriteTheirValues() {
    QFETCH(QString, caption);
    QFETCH(QString, list);
    QFETCH(QStringList, entries);
    QFETCH(QString, field);
    QFETCH(QStringList, values);
    auto* q5 = qobject_cast<frmQ5*>(openCalculator(glazingEntry));
    QVERIFY(q5 != nullptr);
    QListWidget* pickList = ::list(q5, list);
    QLineEdit* valueField = ::field(q5, field);
    QCOMPARE(pickList->count(), entries.size());
    QVERIFY(pickList->selectedItems().isEmpty());
    QCOMPARE(q5->findChild<QLabel*>(caption)->buddy(), pickList);
    // The caption reaches under the list, yet the list's left edge takes the clicks.
    QWidget* entries0 = pickList->viewport();
    QCOMPARE(q5->childAt(entries0->mapTo(q5, QPoint(2, entries0->height() / 2))), entries0);
    for (int row = 0; row < entries.size(); ++row)
        QCOMPARE(pickList->item(row)->text(), entries[row]);
    // Picked in reverse, so that every pick changes the text; each replaces
    // what was typed before it.
    for (int row = static_cast<int>(entries.size()) - 1; row >= 0; --row) {
        retype(valueField, "7");
        clickEntry(pickList, row);
        QCOMPARE(valueField->text(), values[row]);
    }
}

void tst_GridWindows::arrowKeysPickToo() {
    auto* q5 = qobject_cast<frmQ5*>(openCalculator(glazingEntry));
    QVERIFY(q5 != nullptr);
    q5->lsthstanxa->setFocus();
    QTest::keyClick(q5->lsthstanxa, Qt::Key_Down);
    QCOMPARE(q5->lsthstanxa->currentRow(), 0);
    QCOMPARE(q5->txthstanxa->text(), QStringLiteral("1"));
    QTest::keyClick(q5->lsthstanxa, Qt::Key_Down);
    QCOMPARE(q5->txthstanxa->text(), QStringLiteral("0.05"));
    QTest::keyClick(q5->lsthstanxa, Qt::Key_End);
    QCOMPARE(q5->txthstanxa->text(), QStringLiteral("0.7"));

    QVERIFY(!q5->tinh->isEnabled());
    q5->lsthskhucxa->setFocus();
    QTest::keyClick(q5->lsthskhucxa, Qt::Key_Down);
    QCOMPARE(q5->txthskhucxa->text(), QStringLiteral("1"));
    QVERIFY(q5->tinh->isEnabled());
}

void tst_GridWindows::onlyARefractionPickEnablesTinh_data() {
    QTest::addColumn<int>("row");
    QTest::newRow("Cửa mở không kính") << 0;
    QTest::newRow("khung gỗ") << 1;
    QTest::newRow("khung kim loại") << 2;
}

void tst_GridWindows::onlyARefractionPickEnablesTinh() {
    QFETCH(int, row);
    auto* q5 = qobject_cast<frmQ5*>(openCalculator(glazingEntry));
    QVERIFY(q5 != nullptr);
    QVERIFY(!q5->tinh->isEnabled());
    // Neither typing a refraction coefficient nor picking the other lists.
    QCOMPARE(fillIn(q5, {"txthskhucxa=0.4", "txtdong=10", "txthstrongsuot=1", "txthsbamban=1",
                         "lsthstrongsuot#1", "lsthsbamban#2", "lsthstanxa#3"}),
             QString());
    QVERIFY(!q5->tinh->isEnabled());
    window->txtq5max->setText("old");
    clickButton(q5->tinh);
    QCOMPARE(window->txtq5max->text(), QStringLiteral("old"));
    QVERIFY(q5->isVisible());

    clickEntry(q5->lsthskhucxa, row);
    QVERIFY(q5->tinh->isEnabled());
}

QTEST_MAIN(tst_GridWindows)
#include "tst_GridWindows.moc"
