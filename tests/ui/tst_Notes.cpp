// What the windows tell the user beyond their texts: the number a field is
// read as, fields that nothing reads, lists with nothing picked, totals and
// copies that are out of date. Typed as a user types; the warning look is
// checked in the pixels the field shows.

#include "GridCases.h"
#include "RowCases.h"
#include "UiDriver.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace kelvora::ui::test;

namespace {

const QString valueUsed = QStringLiteral("Giá trị dùng để tính: ");
const QString totalsToRedo = QStringLiteral("Tổng chưa được tính lại: nhấn Tính để cập nhật");
const QString roomHolds = QStringLiteral("Cửa sổ chính hiện ghi: ");
const QString unpicked = QStringLiteral("Chưa chọn");

// The field's background, right of where a short text ends.
QColor background(QWidget* field) {
    const QImage image = field->grab().toImage();
    return image.pixelColor(image.width() - 6, image.height() / 2);
}

// The darkest pixel the list shows: its text, unless it is greyed.
int darkestLightness(QWidget* list) {
    const QImage image = list->grab().toImage();
    int darkest = 255;
    for (int y = 2; y < image.height() - 2; ++y)
        for (int x = 2; x < image.width() - 2; ++x)
            darkest = std::min(darkest, image.pixelColor(x, y).lightness());
    return darkest;
}

} // namespace

class tst_Notes : public SessionTest {
    Q_OBJECT

private slots:
    void showsTheValueUsed_data();
    void showsTheValueUsed();
    void tellsWhatIsNotUsed_data();
    void tellsWhatIsNotUsed();
    void listsTellNothingIsPicked_data();
    void listsTellNothingIsPicked();
    void totalsTellWhenOutOfDate();
    void copiesTellWhenTheRoomDiffers_data();
    void copiesTellWhenTheRoomDiffers();
    void notesNeverFailACompute_data();
    void notesNeverFailACompute();

private:
    // -1 is the main window, else the calculator of that list entry.
    QWidget* show(int entry) { return entry < 0 ? window : openCalculator(entry); }
};

void tst_Notes::showsTheValueUsed_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("misread");

    const struct {
        int entry;
        const char* field;
        const char* typed;
        const char* value;
        bool misread;
    } cases[] = {
        {-1, "txtdientich", "48,5", "48", true}, {-1, "txtdientich", "60 m2", "60", false},
        {-1, "txtQ1", "abc", "0", true},         {-1, "txtq5max", "1.2.3", "1.2", true},
        {1, "txttieuchuan", "12-5", "12", true}, {4, "txthskhucxa", "0,62", "0", true},
        {4, "txtdong", "10 m2", "10", false},    {5, "txtdtkinh", "mười", "0", true},
        {7, "txtchieudai", "7.5", "7.5", false},
    };
    for (const auto& c : cases)
        QTest::addRow("%d %s \"%s\"", c.entry, c.field, c.typed)
            << c.entry << c.field << QString::fromUtf8(c.typed) << c.value << c.misread;
}

void tst_Notes::showsTheValueUsed() {
    QFETCH(int, entry);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, value);
    QFETCH(bool, misread);
    QWidget* shown = show(entry);
    QVERIFY(shown != nullptr);
    auto* edit = shown->findChild<QLineEdit*>(field);
    QVERIFY(edit != nullptr);
    retype(edit, QStringLiteral("1"));
    const QColor plain = background(edit);
    QVERIFY(!edit->accessibleDescription().contains(valueUsed));

    retype(edit, typed);
    const QString note = valueUsed + value;
    QVERIFY2(edit->toolTip().split(u'\n').contains(note), qPrintable(edit->toolTip()));
    QCOMPARE(edit->accessibleDescription().split(u'\n').contains(note), misread);
    QCOMPARE(background(edit) != plain, misread);
    QCOMPARE(QApplication::focusWidget(), edit); // a warning takes nothing from the user

    // Put right, the field looks and reads as any other.
    retype(edit, QStringLiteral("1"));
    QVERIFY(edit->toolTip().split(u'\n').contains(valueUsed + QStringLiteral("1")));
    QVERIFY(!edit->accessibleDescription().contains(valueUsed));
    QCOMPARE(background(edit), plain);
}

void tst_Notes::tellsWhatIsNotUsed_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QStringList>("fields"); // all the window's fields with this note

    QTest::newRow("main window's humidities and moisture contents")
        << -1 << "Không dùng để tính; chỉ cần không để trống"
        << QStringList{"txtdoamngoai", "txtdoamtrong", "txtdungamngoai", "txtdungamtrong"};
    QTest::newRow("occupants' heat per person")
        << 2 << "Lấy theo loại lao động đã chọn" << QStringList{"txtq"};
    QTest::newRow("glazing's hours and diagonal facades")
        << 4 << "Không dùng để tính"
        << QStringList{"Text17",  "Text15",    "Text16",    "Text14",    "Text13",
                       "Text12",  "Text10",    "Text11",    "txtdb",     "xtdn",
                       "txttb",   "txttn",     "txttbdb",   "txttbdn",   "txttbtb",
                       "txttbtn", "txtcdbxdb", "txtcdbxdn", "txtcdbxtb", "txtcdbxtn"};
}

void tst_Notes::tellsWhatIsNotUsed() {
    QFETCH(int, entry);
    QFETCH(QString, note);
    QFETCH(QStringList, fields);
    QWidget* shown = show(entry);
    QVERIFY(shown != nullptr);
    QStringList noted;
    for (const QLineEdit* field : shown->findChildren<QLineEdit*>()) {
        if (field->toolTip() != note)
            continue;
        QCOMPARE(field->accessibleDescription(), note);
        noted << field->objectName();
    }
    noted.sort();
    fields.sort();
    QCOMPARE(noted, fields);
}

void tst_Notes::listsTellNothingIsPicked_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("list");
    QTest::newRow("activities") << 2 << "lstloailaodong";
    QTest::newRow("transparency") << 4 << "lsthstrongsuot";
    QTest::newRow("soiling") << 4 << "lsthsbamban";
    QTest::newRow("refraction") << 4 << "lsthskhucxa";
    QTest::newRow("shading") << 4 << "lsthstanxa";
}

void tst_Notes::listsTellNothingIsPicked() {
    QFETCH(int, entry);
    QFETCH(QString, list);
    QWidget* shown = show(entry);
    QVERIFY(shown != nullptr);
    auto* entries = shown->findChild<QListWidget*>(list);
    QVERIFY(entries != nullptr);
    QCOMPARE(entries->toolTip(), unpicked);
    QCOMPARE(entries->accessibleDescription(), unpicked);
    // The visible entry is greyed, where the main window's list shows black.
    QVERIFY(darkestLightness(entries->viewport()) >
            darkestLightness(window->loaiQ->viewport()) + 60);

    clickEntry(entries, 1);
    QVERIFY(entries->toolTip().isEmpty());
    QVERIFY(entries->accessibleDescription().isEmpty());
    QVERIFY(!entries->testAttribute(Qt::WA_SetPalette)); // drawn as any list is
}

void tst_Notes::totalsTellWhenOutOfDate() {
    QLineEdit* totals[] = {window->txtQtong, window->txtqtongmax};
    const QColor plain = background(window->txtQtong);
    const auto outOfDate = [&totals, &plain] {
        bool all = true;
        bool none = true;
        for (QLineEdit* total : totals) {
            // Beside the working Tính leaves in the totals' notes.
            const bool noted = total->toolTip().split(u'\n').contains(totalsToRedo) &&
                               total->accessibleDescription().split(u'\n').contains(totalsToRedo) &&
                               background(total) != plain;
            all = all && noted;
            none = none && !noted && !total->toolTip().contains(totalsToRedo) &&
                   background(total) == plain;
        }
        return all ? 1 : none ? 0 : -1; // -1: the two disagree
    };
    QCOMPARE(outOfDate(), 0);

    retype(window->txtQ1, "0 W"); // still adds up to what the totals say
    QCOMPARE(outOfDate(), 0);
    retype(window->txtQ1, "5");
    QCOMPARE(outOfDate(), 1);
    clickButton(window->tinh);
    QCOMPARE(outOfDate(), 0);
    retype(window->txtq7max, "2");
    QCOMPARE(outOfDate(), 1);
    clickButton(window->tinh);
    retype(window->txtQtong, "7"); // a total typed over is out of date too
    QCOMPARE(outOfDate(), 1);
    QCOMPARE(window->txtQtong->text(), QStringLiteral("7")); // and left as typed
    clickButton(window->cmdxoa);
    QCOMPARE(outOfDate(), 0);
}

void tst_Notes::copiesTellWhenTheRoomDiffers_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("copy");     // the calculator's field, named as the room's
    QTest::addColumn<QString>("roomText"); // a value of its own, unlike the room's first

    const struct {
        int entry;
        const char* copy;
        const char* roomText;
    } cases[] = {
        {1, "txtdientich", "75 m2"},   {2, "txtsonguoi", "30"},      {3, "txtenthanpyngoai", "90"},
        {3, "txtenthanpytrong", "50"}, {6, "txtnhietdongoai", "37"}, {6, "txtnhietdotrong", "26"},
        {7, "txtnhietdongoai", "37"},  {7, "txtnhietdotrong", ""},
    };
    for (const auto& c : cases)
        QTest::addRow("%d %s", c.entry, c.copy) << c.entry << c.copy << c.roomText;
}

void tst_Notes::copiesTellWhenTheRoomDiffers() {
    QFETCH(int, entry);
    QFETCH(QString, copy);
    QFETCH(QString, roomText);
    QWidget* calculator = openCalculator(entry);
    QVERIFY(calculator != nullptr);
    auto* copied = calculator->findChild<QLineEdit*>(copy);
    auto* original = window->findChild<QLineEdit*>(copy);
    QVERIFY(copied != nullptr && original != nullptr);
    const QString first = original->text();
    const QColor plain = background(copied);
    QVERIFY(!copied->toolTip().contains(roomHolds));

    const auto warnsOf = [copied, &plain](const QString& text) {
        const QString note = roomHolds + text;
        return copied->toolTip().split(u'\n').contains(note) &&
               copied->accessibleDescription().split(u'\n').contains(note) &&
               background(copied) != plain;
    };
    const auto quiet = [copied, &plain] {
        return !copied->toolTip().contains(roomHolds) &&
               !copied->accessibleDescription().contains(roomHolds) && background(copied) == plain;
    };

    retype(original, roomText);
    QVERIFY(warnsOf(roomText));
    QCOMPARE(copied->text(), first); // the copy is the user's, never rewritten

    // Either side may make them agree again: the number is what counts.
    retype(copied, roomText + QStringLiteral(" "));
    QVERIFY(quiet());
    retype(original, first);
    QVERIFY(warnsOf(first));
    retype(original, roomText);
    QVERIFY(quiet());
}

void tst_Notes::notesNeverFailACompute_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<QStringList>("picks"); // list#row
    QTest::addColumn<QStringList>("results");
    QTest::newRow("glazing, peak then average")
        << 4 << QStringList{"lsthstrongsuot#0", "lsthsbamban#0", "lsthskhucxa#0"}
        << QStringList{"txtq5max", "txtQ5"};
    QTest::newRow("roof, peak then average")
        << 6 << QStringList{} << QStringList{"txtq7max", "txtQ7"};
}

// The totals' note reads every result again each time one is written; a field
// that overflows when read must not make the compute writing it stop halfway.
void tst_Notes::notesNeverFailACompute() {
    QFETCH(int, entry);
    QFETCH(QStringList, picks);
    QFETCH(QStringList, results);
    retype(window->txtQ6, "1E999");
    QWidget* calculator = openCalculator(entry);
    QVERIFY(calculator != nullptr);
    QVERIFY(fillIn(calculator, picks));
    for (const QString& result : results)
        window->findChild<QLineEdit*>(result)->setText("old");
    QPushButton* compute = computeButton(calculator);
    QVERIFY(compute != nullptr && compute->isEnabled());
    clickButton(compute);
    QCOMPARE(answerer->messages(), QStringList{});
    for (const QString& result : results)
        QCOMPARE(window->findChild<QLineEdit*>(result)->text(), QStringLiteral("0"));
    QVERIFY(!calculator->isVisible());
}

QTEST_MAIN(tst_Notes)
#include "tst_Notes.moc"
