// The main window as the user meets it: what it shows at start, the keyboard
// path through it, Compute and Clear, and how the run ends.

#include "UiDriver.h"
#include "room/Components.h"
#include "ui/windows/Kelvora.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using kelvora::ui::Kelvora;
using namespace kelvora::ui::test;

class tst_Kelvora : public SessionTest {
    Q_OBJECT

private slots:
    void startsWithTheRoomRecord_data();
    void startsWithTheRoomRecord();
    void listsTheEightComponents();
    void tabVisitsTheFieldsInOrder();
    void compute_data();
    void compute();
    void computeStopsOnAFault_data();
    void computeStopsOnAFault();
    void pastedLongTextsReadByTheRule_data();
    void pastedLongTextsReadByTheRule();
    void clearResetsTheResults();
    void exitEndsTheRun_data();
    void exitEndsTheRun();

private:
    QLineEdit* field(const char* name) const { return window->findChild<QLineEdit*>(name); }
};

void tst_Kelvora::startsWithTheRoomRecord_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");

    QTest::newRow("title") << ""
                           << "Kelvora";
    const char* const texts[][2] = {
        {"Label1", "Tên phòng"},
        {"txttenphong", ""},
        {"Label2", "Diện tích phòng (m2)"},
        {"txtdientich", "60"},
        {"Label4", "Số người"},
        {"txtsonguoi", "21"},
        {"Label5", "Nhiệt độ không khí ngoài trời (oC)"},
        {"txtnhietdongoai", "34.6"},
        {"Label6", "Nhiệt độ không khí trong phòng (oC)"},
        {"txtnhietdotrong", "25"},
        {"Label3", "Độ ẩm không khí ngoài trời (%)"},
        {"txtdoamngoai", "74"},
        {"Label7", "Độ ẩm không khí trong phòng (%)"},
        {"txtdoamtrong", "65"},
        {"Label8", "Dung ẩm không khí ngoài trời(g/kg)"},
        {"txtdungamngoai", "26"},
        {"Label9", "Dung ẩm không khí trong phòng(g/kg)"},
        {"txtdungamtrong", "12.873"},
        {"Label11", "Enthanpy không khí ngoài trời(kJ/kg)"},
        {"txtenthanpyngoai", "101.6478"},
        {"Label12", "Enthanpy không khí trong phòng(kJ/kg)"},
        {"txtenthanpytrong", "57.9914"},
        {"CHONLOAINHIETTHUA", "Chọn loại nhiệt thừa tính"},
        {"Frame1", "Kết quả"},
        {"Label10", "Đơn vị tính: W"},
        {"Q1", "Q1"},
        {"Q2", "Q2"},
        {"Q3", "Q3"},
        {"Q4", "Q4"},
        {"Q5", "Q5"},
        {"Q6", "Q6"},
        {"Q7", "Q7"},
        {"Q8", "Q8"},
        {"tongnhietthua", "Nhiệt tổng Q Trung bình"},
        {"Label14", "Q5 Max"},
        {"Label15", "Q7 Max"},
        {"Label13", "Nhiệt tổng Q Max"},
        {"tinh", "Tính"},
        {"cmdxoa", "Xoá"},
        {"cmdthoat", "Thoát"},
        {"cmdsaochep", "Sao chép"},
        {"lblchonmay", "Chọn máy"},
        {"txtchonmay", ""}, // until Tính
    };
    for (const auto& [name, text] : texts)
        QTest::newRow(name) << name << QString::fromUtf8(text);
    for (const char* result : {"txtQ1", "txtQ2", "txtQ3", "txtQ4", "txtQ5", "txtQ6", "txtQ7",
                               "txtQ8", "txtQtong", "txtq5max", "txtq7max", "txtqtongmax"})
        QTest::newRow(result) << result << "0";
}

void tst_Kelvora::startsWithTheRoomRecord() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    if (name.isEmpty()) {
        QCOMPARE(window->windowTitle(), text);
        QCOMPARE(window->objectName(), QStringLiteral("Kelvora"));
        return;
    }
    QWidget* widget = window->findChild<QWidget*>(name);
    QVERIFY2(widget != nullptr, qPrintable(name));
    QCOMPARE(controlText(widget), text);
}

void tst_Kelvora::listsTheEightComponents() {
    const QStringList entries = {
        QString::fromUtf8("Nhiệt do máy móc Q1"),
        QString::fromUtf8("Nhệt do đèn chiếu sáng Q2"),
        QString::fromUtf8("Nhiệt do người toả ra Q3"),
        QString::fromUtf8("Nhiệt do ro lọt không khí Q4"),
        QString::fromUtf8("Nhiệt do bức xạ qua kính Q5"),
        QString::fromUtf8("Nhiệt do thâm nhập qua kết cấu bao che do chênh lệch nhiệt độ  Q6"),
        QString::fromUtf8("Nhiệt do bức xạ qua mái Q7"),
        QString::fromUtf8("Nhiệt do xâm nhập qua nền Q8"),
    };
    QListWidget* list = window->loaiQ;
    QCOMPARE(list->count(), entries.size());
    for (int row = 0; row < list->count(); ++row)
        QCOMPARE(list->item(row)->text(), entries[row]);
    QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
    QVERIFY(!list->isSortingEnabled());
    QVERIFY(list->selectedItems().isEmpty());
    // One entry high: the visible entry fills the list, the next is out of view.
    QCOMPARE(list->visualItemRect(list->item(0)).height(), list->viewport()->height());
    QVERIFY(!list->viewport()->rect().intersects(list->visualItemRect(list->item(1))));
    QCOMPARE(window->focusWidget(), list);
    for (std::size_t entry = 0; entry < kelvora::room::components().size(); ++entry)
        QVERIFY(window->calculators().window(entry) == nullptr);
}

void tst_Kelvora::tabVisitsTheFieldsInOrder() {
    const QStringList order = {
        "loaiQ",
        "txtQ6",
        "txtQ7",
        "txtQ8",
        "txtQtong",
        "txtQ1",
        "txtQ2",
        "txtQ3",
        "txtQ4",
        "txtQ5",
        "txttenphong",
        "txtdientich",
        "txtsonguoi",
        "txtnhietdongoai",
        "txtnhietdotrong",
        "txtdoamngoai",
        "txtdoamtrong",
        "txtdungamngoai",
        "txtdungamtrong",
        "tinh",
        "txtenthanpyngoai",
        "txtenthanpytrong",
        "txtqtongmax",
        "txtq5max",
        "txtq7max",
        "cmdxoa",
        "cmdthoat",
        "cmdsaochep",
        "txtchonmay",
        "cmddienngoai",
        "cmddientrong",
        "cmdbieudo",
        "loaiQ",
    };
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCOMPARE(QApplication::focusWidget(), window->loaiQ);
    for (const QString& name : order) {
        QCOMPARE(QApplication::focusWidget()->objectName(), name);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QVERIFY(window->loaiQ->selectedItems().isEmpty()); // tabbing through it picks nothing
}

void tst_Kelvora::compute_data() {
    QTest::addColumn<QStringList>("results"); // txtQ1 ... txtQ8, txtq5max, txtq7max
    QTest::addColumn<QString>("average");
    QTest::addColumn<QString>("maximum");

    QTest::newRow("fresh window") << QStringList{} << "0"
                                  << "0";
    QTest::newRow("every component")
        << QStringList{"100", "200", "300", "400", "500", "600", "700", "800", "900", "1000"}
        << "3600"
        << "4300";
    QTest::newRow("peaks left at 0")
        << QStringList{"0", "0", "0", "0", "500", "0", "700", "0", "0", "0"} << "1200"
        << "0";
    QTest::newRow("totals unrounded")
        << QStringList{"0.1", "0.2", "0", "0", "0", "0", "0", "0", "0", "0"} << "0.3"
        << "0.3";
    QTest::newRow("quarters") << QStringList{"1.25", "2", "", "", "", "", "", "", "", ""} << "3.25"
                              << "3.25";
    QTest::newRow("letters, comma, blanks")
        << QStringList{"abc", "1,5", " 2 0", "", "", "", "", "", "", ""} << "21"
        << "21";
    QTest::newRow("beyond Latin-1") << QStringList{QString::fromUtf8("12😀3"),
                                                   QString::fromUtf8("数字5"),
                                                   "",
                                                   "",
                                                   "",
                                                   "",
                                                   "",
                                                   "",
                                                   "",
                                                   ""}
                                    << "12"
                                    << "12";
    // Left to right with each peak in its own place: 1E16 - 1E16 + 1 keeps the
    // one; the peaks swapped (1 - 1E16 + 1E16), or the averages read in their
    // place, would not.
    QTest::newRow("peaks in their places")
        << QStringList{"0", "0", "0", "0", "0", "-1E16", "0", "0", "1E16", "1"} << "-1E+16"
        << "1";
    QTest::newRow("Vietnamese text")
        << QStringList{"5 người", "Tính", "", "", "", "", "", "", "", ""} << "5"
        << "5";
}

void tst_Kelvora::compute() {
    QFETCH(QStringList, results);
    QFETCH(QString, average);
    QFETCH(QString, maximum);
    const char* const names[] = {"txtQ1", "txtQ2", "txtQ3", "txtQ4",    "txtQ5",
                                 "txtQ6", "txtQ7", "txtQ8", "txtq5max", "txtq7max"};
    for (int i = 0; i < results.size(); ++i)
        retype(field(names[i]), results[i]);

    clickButton(window->tinh);
    QCOMPARE(window->txtQtong->text(), average);
    QCOMPARE(window->txtqtongmax->text(), maximum);
    // Pressed again, it gives the same texts: nothing accumulates.
    clickButton(window->tinh);
    QCOMPARE(window->txtQtong->text(), average);
    QCOMPARE(window->txtqtongmax->text(), maximum);
    QVERIFY(answerer->messages().isEmpty());
}

void tst_Kelvora::computeStopsOnAFault_data() {
    QTest::addColumn<QString>("field1");
    QTest::addColumn<QString>("text1");
    QTest::addColumn<QString>("field2");
    QTest::addColumn<QString>("text2");
    QTest::addColumn<QString>("average");
    QTest::addColumn<QString>("maximum");
    QTest::addColumn<QString>("message");

    const QString tooLarge = QStringLiteral("Loi tinh toan: so qua lon");
    QTest::newRow("average overflows") << "txtQ1"
                                       << "1E308"
                                       << "txtQ2"
                                       << "1E308"
                                       << "old"
                                       << "old" << tooLarge;
    QTest::newRow("a component beyond range") << "txtQ8"
                                              << "-1e400"
                                              << "txtQ1"
                                              << "5"
                                              << "old"
                                              << "old" << tooLarge;
    QTest::newRow("only the maximum overflows") << "txtq5max"
                                                << "1E308"
                                                << "txtq7max"
                                                << "1E308"
                                                << "0"
                                                << "old" << tooLarge;
}

void tst_Kelvora::computeStopsOnAFault() {
    QFETCH(QString, field1);
    QFETCH(QString, text1);
    QFETCH(QString, field2);
    QFETCH(QString, text2);
    QFETCH(QString, average);
    QFETCH(QString, maximum);
    QFETCH(QString, message);
    window->txtQtong->setText("old");
    window->txtqtongmax->setText("old");
    retype(field(qPrintable(field1)), text1);
    retype(field(qPrintable(field2)), text2);

    clickButton(window->tinh);
    QCOMPARE(answerer->messages(), QStringList{message});
    QCOMPARE(window->txtQtong->text(), average);
    QCOMPARE(window->txtqtongmax->text(), maximum);

    // The program goes on: a sound room computes again.
    answerer->forget();
    clickButton(window->cmdxoa);
    clickButton(window->tinh);
    QCOMPARE(window->txtQtong->text(), QStringLiteral("0"));
    QVERIFY(answerer->messages().isEmpty());
}

void tst_Kelvora::pastedLongTextsReadByTheRule_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("average"); // empty: refused as too large
    QTest::newRow("30 000 digits") << QString(30000, '9') << "";
    QTest::newRow("a digit, then letters") << QString(29999, 'x').prepend('7') << "7";
    QTest::newRow("blanks, then a digit") << QString(29999, ' ').append('4') << "4";
    QTest::newRow("diacritics") << QString(30000, QChar(0x1EC7)) << "0";
}

void tst_Kelvora::pastedLongTextsReadByTheRule() {
    QFETCH(QString, text);
    QFETCH(QString, average);
    QApplication::clipboard()->setText(text);
    retype(window->txtQ3, "");
    QTest::keyClick(window->txtQ3, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(window->txtQ3->text(), text);

    clickButton(window->tinh);
    if (average.isEmpty()) {
        QCOMPARE(answerer->messages(), QStringList{QStringLiteral("Loi tinh toan: so qua lon")});
        QCOMPARE(window->txtQtong->text(), QStringLiteral("0"));
    } else {
        QVERIFY(answerer->messages().isEmpty());
        QCOMPARE(window->txtQtong->text(), average);
    }
}

void tst_Kelvora::clearResetsTheResults() {
    const char* const results[] = {"txtQ1",    "txtQ2",    "txtQ3",    "txtQ4",
                                   "txtQ5",    "txtQ6",    "txtQ7",    "txtQ8",
                                   "txtQtong", "txtq5max", "txtq7max", "txtqtongmax"};
    for (const char* name : results)
        retype(field(name), "12.5");
    retype(window->txttenphong, QString::fromUtf8("Phòng họp"));
    retype(window->txtdientich, "");

    clickButton(window->cmdxoa);
    for (const char* name : results)
        QCOMPARE(field(name)->text(), QStringLiteral("0"));
    QCOMPARE(window->txttenphong->text(), QString::fromUtf8("Phòng họp"));
    QCOMPARE(window->txtdientich->text(), QString());
    QCOMPARE(window->txtsonguoi->text(), QStringLiteral("21"));

    clickButton(window->tinh);
    for (const char* name : results)
        QCOMPARE(field(name)->text(), QStringLiteral("0"));
}

void tst_Kelvora::exitEndsTheRun_data() {
    QTest::addColumn<bool>("closeBox");
    QTest::addColumn<int>("calculators"); // -1 none created, else the entry left shown
    QTest::newRow("Exit, no calculator yet") << false << -1;
    QTest::newRow("Exit, equipment shown") << false << 0;
    QTest::newRow("Exit, lighting shown") << false << 1;
    QTest::newRow("close box, equipment shown") << true << 0;
    QTest::newRow("close box, calculators hidden") << true << 2;
}

void tst_Kelvora::exitEndsTheRun() {
    QFETCH(bool, closeBox);
    QFETCH(int, calculators);
    if (calculators >= 0)
        clickEntry(window->loaiQ, calculators);

    // The run is over when the event loop ends by itself; a run that lingers
    // with a calculator window left over is stopped after a while and fails.
    QTimer::singleShot(0, window, [this, closeBox] {
        if (closeBox)
            kelvora::ui::test::closeBox(window);
        else
            clickButton(window->cmdthoat);
    });
    // Its own timer, gone with the row: one left on the application would end
    // whatever event loop runs five seconds later.
    QTimer lingering;
    lingering.setSingleShot(true);
    lingering.callOnTimeout(qApp, [] { QCoreApplication::exit(1); });
    lingering.start(5000);
    QCOMPARE(QCoreApplication::exec(), 0);
    QVERIFY(!window->isVisible());
    for (std::size_t entry = 0; entry < kelvora::room::components().size(); ++entry)
        QVERIFY(window->calculators().window(entry) == nullptr);
}

QTEST_MAIN(tst_Kelvora)
#include "tst_Kelvora.moc"
