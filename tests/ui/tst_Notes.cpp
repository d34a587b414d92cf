// What the windows tell the user beyond their texts: the number a field is
// read as, fields that nothing reads, lists with nothing picked, totals and
// copies that are out of date; and that neither these notes nor any other
// slot on a result fails the compute writing it. Typed as a user types; the
// warning look is checked in the pixels the field shows.

#include "CalculatorInputs.h"
#include "UiDriver.h"
#include "ui/notes/FieldNotes.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolTip>

#include <algorithm>
#include <cfenv>

using namespace kelvora::ui::test;
using kelvora::ui::NoteLook;
using kelvora::ui::NoteSource;
using kelvora::ui::setNote;

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
    void slotsOnAResultFailNoLaterFormula_data();
    void slotsOnAResultFailNoLaterFormula();
    void airConditionsAreChecked_data();
    void airConditionsAreChecked();
    void warningsSayWhy_data();
    void warningsSayWhy();
    void longNotesAreCut_data();
    void longNotesAreCut();
    void emptyCheckedFieldsWarn_data();
    void emptyCheckedFieldsWarn();
    void disabledComputeSaysWhy_data();
    void disabledComputeSaysWhy();

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
    QCOMPARE(edit->accessibleDescription(), edit->toolTip()); // heard as it is seen

    retype(edit, typed);
    const QString note = valueUsed + value;
    QVERIFY2(edit->toolTip().split(u'\n').contains(note), qPrintable(edit->toolTip()));
    QVERIFY(edit->accessibleDescription().split(u'\n').contains(note));
    QCOMPARE(background(edit) != plain, misread);
    QCOMPARE(QApplication::focusWidget(), edit); // a warning takes nothing from the user

    // Put right, the field looks and reads as any other.
    retype(edit, QStringLiteral("1"));
    QVERIFY(edit->toolTip().split(u'\n').contains(valueUsed + QStringLiteral("1")));
    QCOMPARE(edit->accessibleDescription(), edit->toolTip());
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
        if (!field->toolTip().split(u'\n').contains(note)) // the air check's note beside it
            continue;
        QCOMPARE(field->accessibleDescription(), field->toolTip());
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
    // No window warns on a list yet; one that did must lose the tint with the
    // warning, the list's own look taken from its parent as before.
    const QColor plain = entries->parentWidget()->palette().color(QPalette::Base);
    QCOMPARE(background(entries->viewport()), plain);
    setNote(entries, NoteSource::Rule, QStringLiteral("!"), NoteLook::Warning);
    QVERIFY(background(entries->viewport()) != plain);
    setNote(entries, NoteSource::Rule, QString(), NoteLook::Warning);
    QCOMPARE(background(entries->viewport()), plain);
    QCOMPARE(entries->toolTip(), unpicked);

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
    // What the copy says of that value, whatever the room holds: an empty room reads 0 °C, as
    // the copy's blank does, and no room is kept so cold.
    QTest::addColumn<QString>("range");
    const char* const cold = "Giá trị bất thường (0): phòng điều hoà thường giữ từ 16 đến 32 °C.";

    const struct {
        int entry;
        const char* copy;
        const char* roomText;
        const char* range = "";
    } cases[] = {
        {1, "txtdientich", "75 m2"},   {2, "txtsonguoi", "30"},
        {3, "txtenthanpyngoai", "90"}, {3, "txtenthanpytrong", "50"},
        {6, "txtnhietdongoai", "37"},  {6, "txtnhietdotrong", "26"},
        {7, "txtnhietdongoai", "37"},  {7, "txtnhietdotrong", "", cold},
    };
    for (const auto& c : cases)
        QTest::addRow("%d %s", c.entry, c.copy)
            << c.entry << c.copy << c.roomText << QString::fromUtf8(c.range);
}

void tst_Notes::copiesTellWhenTheRoomDiffers() {
    QFETCH(int, entry);
    QFETCH(QString, copy);
    QFETCH(QString, roomText);
    QFETCH(QString, range);
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
    const auto quiet = [copied, &plain, &range] {
        return !copied->toolTip().contains(roomHolds) &&
               !copied->accessibleDescription().contains(roomHolds) &&
               (range.isEmpty() ? background(copied) == plain
                                : copied->toolTip().split(u'\n').contains(range) &&
                                      background(copied) != plain);
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
    QCOMPARE(fillIn(calculator, picks), QString());
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

void tst_Notes::slotsOnAResultFailNoLaterFormula_data() {
    QTest::addColumn<int>("entry"); // -1: the main window's totals
    QTest::addColumn<QStringList>("picks");
    QTest::addColumn<QString>("written"); // field=text written before the formula
    QTest::addColumn<QString>("result");  // room field=text the formula then writes
    QTest::newRow("glazing's average") << 4 << QStringList{"lsthskhucxa#0"} << "txtq5max=0"
                                       << "txtQ5=0";
    QTest::newRow("roof's average") << 6 << QStringList{} << "txtq7max=0"
                                    << "txtQ7=0";
    QTest::newRow("occupants") << 2 << QStringList{"lstloailaodong#0"} << "txtq=80"
                               << "txtQ3=1554";
    QTest::newRow("maximum total") << -1 << QStringList{} << "txtQtong=0"
                                   << "txtqtongmax=0";
}

// Whatever a write sets off, here an invalid operation in a slot on the
// written field, is not the fault of the formula that runs next.
void tst_Notes::slotsOnAResultFailNoLaterFormula() {
    QFETCH(int, entry);
    QFETCH(QStringList, picks);
    QFETCH(QString, written);
    QFETCH(QString, result);
    QWidget* shown = show(entry);
    QVERIFY(shown != nullptr);
    QCOMPARE(fillIn(shown, picks), QString());
    auto* writtenField = window->findChild<QLineEdit*>(nameOf(written));
    window->findChild<QLineEdit*>(nameOf(result))->setText("old");
    writtenField->setText("old");
    connect(writtenField, &QLineEdit::textChanged, window, [] { std::feraiseexcept(FE_INVALID); });
    QPushButton* compute = entry < 0 ? window->tinh : computeButton(shown);
    QVERIFY(compute != nullptr && compute->isEnabled());
    clickButton(compute);
    QCOMPARE(answerer->messages(), QStringList{});
    QCOMPARE(shownFor(window, {written, result}), (QStringList{written, result}));
}

void tst_Notes::airConditionsAreChecked_data() {
    QTest::addColumn<QString>("typed"); // field=text, or nothing for the first texts
    QTest::addColumn<QString>("checked");
    QTest::addColumn<QString>("note");
    QTest::addColumn<bool>("warning");

    const QString moisture = QStringLiteral("Theo nhiệt độ và độ ẩm: %1 g/kg");
    const QString enthalpy = QStringLiteral("Theo nhiệt độ và dung ẩm: %1 kJ/kg");
    const QString uncovered = QStringLiteral("Nhiệt độ và %1 nằm ngoài khoảng kiểm tra được");
    const struct {
        const char* typed;
        const char* checked;
        QString note;
        bool warning;
    } cases[] = {
        {"", "txtdungamngoai", moisture.arg("26.056"), false}, // the first texts agree
        {"", "txtdungamtrong", moisture.arg("12.909"), false},
        {"", "txtenthanpyngoai", enthalpy.arg("101.5069"), false},
        {"", "txtenthanpytrong", enthalpy.arg("57.9440"), false},
        {"txtnhietdongoai=37", "txtdungamngoai", moisture.arg("29.908"), true},
        {"txtnhietdongoai=37", "txtenthanpyngoai", enthalpy.arg("104.0373"), true},
        {"txtdungamtrong=13.3", "txtdungamtrong", moisture.arg("12.909"), false},
        {"txtdungamtrong=13.3", "txtenthanpytrong", enthalpy.arg("59.0318"), true},
        {"txtdoamtrong=101", "txtdungamtrong", uncovered.arg("độ ẩm"), false},
        {"txtnhietdongoai=-300", "txtenthanpyngoai", uncovered.arg("dung ẩm"), false},
        {"txtnhietdotrong=1E999", "txtenthanpytrong", uncovered.arg("dung ẩm"), false},
    };
    for (const auto& c : cases)
        QTest::addRow("%s %s", c.typed, c.checked) << c.typed << c.checked << c.note << c.warning;
}

// The check only informs: it writes nothing and leaves no flag raised that a
// compute would take for a fault of its own.
void tst_Notes::airConditionsAreChecked() {
    QFETCH(QString, typed);
    QFETCH(QString, checked);
    QFETCH(QString, note);
    QFETCH(bool, warning);
    auto* field = window->findChild<QLineEdit*>(checked);
    const QString text = field->text();
    const QColor plain = background(window->txttenphong);
    std::feclearexcept(FE_ALL_EXCEPT);
    if (!typed.isEmpty())
        retype(window->findChild<QLineEdit*>(typed.section(u'=', 0, 0)), typed.section(u'=', 1));
    QCOMPARE(std::fetestexcept(FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID), 0);
    const auto hasNote = [&note](const QString& lines) {
        return std::ranges::any_of(lines.split(u'\n'),
                                   [&note](const QString& line) { return line.startsWith(note); });
    };
    QVERIFY2(hasNote(field->toolTip()), qPrintable(field->toolTip()));
    QVERIFY(hasNote(field->accessibleDescription())); // heard, warning or not
    QCOMPARE(background(field) != plain, warning);
    if (!typed.startsWith(checked))
        QCOMPARE(field->text(), text);
}

void tst_Notes::warningsSayWhy_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("why");
    const char* const cases[][4] = {
        {"-1", "txtdientich", "48,5",
         "Dấu phẩy kết thúc số, nên chỉ đọc được 48. Phần thập phân viết sau dấu chấm: 48.5"},
        {"3", "txtthetichphong", "abc", "Nội dung không bắt đầu bằng một số, nên được đọc là 0."},
        {"-1", "txtq5max", "1.2.3",
         "Một số chỉ có một dấu chấm: đọc dừng ở dấu chấm thứ hai, nên chỉ đọc được 1.2."},
        {"1", "txttieuchuan", "12-5",
         "Dấu - chỉ đứng ở đầu số: đọc dừng ở dấu -, nên chỉ đọc được 12."},
        {"-1", "txtdientich", "12\u00A0345",
         "Dấu cách đặc biệt (U+00A0) kết thúc số, nên chỉ đọc được 12."},
        {"1", "txttieuchuan", "10", "Chỉ nhận 10, 11 hoặc 12 W/m2"}, // said whatever is typed
    };
    for (const auto& c : cases)
        QTest::addRow("%s %s", c[1], c[2]) << QByteArray(c[0]).toInt() << c[1]
                                           << QString::fromUtf8(c[2]) << QString::fromUtf8(c[3]);
}

void tst_Notes::warningsSayWhy() {
    QFETCH(int, entry);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, why);
    QWidget* shown = show(entry);
    QVERIFY(shown != nullptr);
    auto* edit = shown->findChild<QLineEdit*>(field);
    retype(edit, typed);
    QVERIFY2(edit->toolTip().split(u'\n').contains(why), qPrintable(edit->toolTip()));
    QVERIFY(edit->accessibleDescription().split(u'\n').contains(why));
}

void tst_Notes::longNotesAreCut_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("shown");
    QTest::newRow("999") << 999 << QString(999, u'x');
    QTest::newRow("1000") << 1000 << QString(1000, u'x');
    QTest::newRow("1001, cut") << 1001 << QString(999, u'x') + u'…';
}

// The notes the windows write quote a user's text cut short and stay well
// within 1000 characters; any longer note is cut to that, "…" the last.
void tst_Notes::longNotesAreCut() {
    QFETCH(int, length);
    QFETCH(QString, shown);
    setNote(window->txttenphong, NoteSource::Rule, QString(length, u'x'), NoteLook::Warning);
    QVERIFY(window->txttenphong->toolTip().split(u'\n').contains(shown));
    QVERIFY(window->txttenphong->accessibleDescription().split(u'\n').contains(shown));
}

void tst_Notes::emptyCheckedFieldsWarn_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("checked"); // by the component list, before a calculator opens
    const char* const fields[] = {"txtnhietdotrong", "txtnhietdongoai", "txtdungamtrong",
                                  "txtdungamngoai",  "txtsonguoi",      "txtdoamtrong",
                                  "txtdoamngoai",    "txtdientich",     "txttenphong"};
    for (int i = 0; i < 9; ++i) // the seven of the full check, then two it leaves alone
        QTest::newRow(fields[i]) << fields[i] << (i < 7);
}

void tst_Notes::emptyCheckedFieldsWarn() {
    QFETCH(QString, field);
    QFETCH(bool, checked);
    const QString needed = QStringLiteral("Cần có số liệu để mở các cửa sổ tính");
    auto* edit = window->findChild<QLineEdit*>(field);
    QVERIFY(!edit->toolTip().contains(needed));
    const QColor plain = background(window->txttenphong);
    retype(edit, "");
    QCOMPARE(edit->toolTip().split(u'\n').contains(needed), checked);
    QCOMPARE(edit->accessibleDescription().split(u'\n').contains(needed), checked);
    QCOMPARE(background(edit) != plain, checked);
    retype(edit, " "); // a blank passes the list's check
    QVERIFY(!edit->toolTip().contains(needed));
}

void tst_Notes::disabledComputeSaysWhy_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("field"); // where Enter is pressed
    QTest::addColumn<QString>("enabling");
    QTest::addColumn<QString>("words");
    const QString enabledWhen = QStringLiteral("Nút Tính bật khi ");
    QTest::newRow("lighting") << 1 << "txtdientich"
                              << "txttieuchuan=11" << enabledWhen + "sửa ô tiêu chuẩn chiếu sáng";
    QTest::newRow("occupants") << 2 << "txttreem"
                               << "lstloailaodong#1" << enabledWhen + "chọn một loại lao động";
    QTest::newRow("infiltration") << 3 << "txtenthanpyngoai"
                                  << "txtthetichphong=1" << enabledWhen + "sửa ô thể tích phòng";
    QTest::newRow("glazing") << 4 << "txtdong"
                             << "lsthskhucxa#0" << enabledWhen + "chọn một hệ số khúc xạ của kính";
}

void tst_Notes::disabledComputeSaysWhy() {
    QFETCH(int, entry);
    QFETCH(QString, field);
    QFETCH(QString, enabling);
    QFETCH(QString, words);
    QWidget* shown = show(entry);
    QVERIFY(shown != nullptr);
    QPushButton* compute = computeButton(shown);
    QVERIFY(!compute->isEnabled());
    QVERIFY2(compute->toolTip().startsWith(words), qPrintable(compute->toolTip()));
    QCOMPARE(compute->accessibleDescription(), compute->toolTip());

    auto* edit = shown->findChild<QLineEdit*>(field);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), compute->toolTip());
    QVERIFY(answerer->messages().isEmpty());
    QToolTip::hideText();

    QCOMPARE(fillIn(shown, {enabling}), QString());
    QVERIFY(compute->isEnabled());
    QVERIFY(compute->toolTip().isEmpty() && compute->accessibleDescription().isEmpty());
}

QTEST_MAIN(tst_Notes)
#include "tst_Notes.moc"
