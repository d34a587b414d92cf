// The room model's rules, without a window: which signs a result inherits
// from its inputs and passes to the totals, when a result or the totals stop
// holding, what Tính and Xoá leave, and what a room value says of itself.
// Every expected text is written out by hand.

#include "room/RoomModel.h"

#include <QSignalSpy>
#include <QTest>

using namespace kelvora;
using namespace kelvora::room;

Q_DECLARE_METATYPE(kelvora::room::RoomValue)
Q_DECLARE_METATYPE(kelvora::room::Input)
Q_DECLARE_METATYPE(kelvora::ArithmeticFault)

namespace {

constexpr ResultId q4{3, ResultKind::Average};
constexpr ResultId q5Max{4, ResultKind::Peak};
constexpr ResultId q6{5, ResultKind::Average};

// A calculator's field as typed; what it reads as is given, not worked out.
Input field(const char* name, const char* text, double read) {
    return {QString::fromUtf8(name), QString::fromUtf8(text), read, std::nullopt, false};
}

// A room value as a calculator took it, copied or read at the compute.
Input fromRoom(RoomValue value, const char* name, const char* text, double read,
               bool typedOver = false) {
    return {QString::fromUtf8(name), QString::fromUtf8(text), read, value, typedOver};
}

// The sample room's values.
void fillIn(RoomModel& model) {
    const std::pair<RoomValue, const char*> texts[] = {
        {RoomValue::AreaM2, "60"},
        {RoomValue::People, "21"},
        {RoomValue::OutdoorC, "34.6"},
        {RoomValue::IndoorC, "25"},
        {RoomValue::OutdoorHumidityPercent, "74"},
        {RoomValue::IndoorHumidityPercent, "65"},
        {RoomValue::OutdoorMoistureGPerKg, "26"},
        {RoomValue::IndoorMoistureGPerKg, "12.873"},
        {RoomValue::OutdoorEnthalpyKJPerKg, "101.6478"},
        {RoomValue::IndoorEnthalpyKJPerKg, "57.9914"},
    };
    for (const auto& [value, text] : texts)
        model.setText(value, QString::fromUtf8(text));
}

} // namespace

class tst_RoomModel : public QObject {
    Q_OBJECT

private slots:
    void signsTravelToTheTotals_data();
    void signsTravelToTheTotals();
    void staleness_data();
    void staleness();
    void totals_data();
    void totals();
    void clearForgetsEverything();
    void roomValueWarnings_data();
    void roomValueWarnings();
};

void tst_RoomModel::signsTravelToTheTotals_data() {
    QTest::addColumn<Input>("input");
    QTest::addColumn<QString>("mark");
    QTest::newRow("decimal comma")
        << field("thể tích phòng", "158,4", 158) << "Tính với thể tích phòng '158,4': đọc được 158";
    QTest::newRow("no number") << field("thể tích phòng", "mười", 0)
                               << "Tính với thể tích phòng 'mười': đọc được 0";
    QTest::newRow("a long text, quoted short")
        << field("thể tích phòng", "1,5 mét khối mà người dùng đã gõ vào đây rất dài", 1)
        << "Tính với thể tích phòng '1,5 mét khối mà người dùng đã gõ vào đâ…': đọc được 1";
    QTest::newRow("a unit is read as meant") << field("thể tích phòng", "158.4 m3", 158.4) << "";
    QTest::newRow("a room value misread, read at the compute")
        << fromRoom(RoomValue::OutdoorC, "nhiệt độ ngoài trời", "34,6", 34)
        << "Tính với nhiệt độ ngoài trời '34,6': đọc được 34";
    QTest::newRow("a room value that cannot be")
        << fromRoom(RoomValue::People, "số người", "-2", -2)
        << "Tính với số người: Giá trị không hợp lý (-2): số người âm; số người hợp lý là số "
           "nguyên từ 0 trở lên.";
    QTest::newRow("a copy typed over is the user's own, never out of range")
        << fromRoom(RoomValue::People, "số người lớn trong phòng", "-2", -2, true) << "";
}

void tst_RoomModel::signsTravelToTheTotals() {
    QFETCH(Input, input);
    QFETCH(QString, mark);
    RoomModel model;
    fillIn(model);
    model.computed(q4, Worked(3449.2), {input});
    QCOMPARE(model.text(q4), QStringLiteral("3449"));
    QCOMPARE(model.state(q4).marked, mark);
    // Totals Tính never formed from it do not carry it.
    QCOMPARE(model.state(TotalKind::Average).marked, QString());

    QCOMPARE(model.computeTotals(), ArithmeticFault::None);
    const QString carried = mark.isEmpty() ? QString() : QStringLiteral("Q4: ") + mark;
    QCOMPARE(model.state(TotalKind::Average).marked, carried);
    QCOMPARE(model.state(TotalKind::Maximum).marked, carried);

    // Computed again from inputs without it, the mark goes, from the totals too.
    model.computed(q4, Worked(3449.2), {field("thể tích phòng", "158.4", 158.4)});
    QCOMPARE(model.state(q4).marked, QString());
    QCOMPARE(model.state(TotalKind::Average).marked, QString());
    // Typed by hand, a result has no inputs and no marks.
    model.computed(q4, Worked(3449.2), {input});
    model.typed(q4, QStringLiteral("3449"));
    QCOMPARE(model.state(q4).marked, QString());
    QVERIFY(model.state(q4).working.isEmpty());
}

void tst_RoomModel::staleness_data() {
    QTest::addColumn<Input>("input");
    QTest::addColumn<RoomValue>("changed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stale");
    const Input outdoor = fromRoom(RoomValue::OutdoorC, "nhiệt độ ngoài trời", "34.6", 34.6);
    QTest::newRow("another number") << outdoor << RoomValue::OutdoorC << "35"
                                    << "Chưa tính lại: nhiệt độ ngoài trời tính với 34.6, cửa "
                                       "sổ chính hiện ghi 35";
    QTest::newRow("the same number, written otherwise") << outdoor << RoomValue::OutdoorC << "34.60"
                                                        << "";
    QTest::newRow("beyond range, named as typed")
        << outdoor << RoomValue::OutdoorC << "1e999"
        << "Chưa tính lại: nhiệt độ ngoài trời tính với 34.6, cửa sổ chính hiện ghi 1e999";
    QTest::newRow("another room value") << outdoor << RoomValue::IndoorC << "30"
                                        << "";
    QTest::newRow("a copy typed over never goes stale")
        << fromRoom(RoomValue::OutdoorC, "nhiệt độ ngoài trời", "36", 36, true)
        << RoomValue::OutdoorC << "35"
        << "";
    QTest::newRow("a calculator's own field never goes stale")
        << field("thể tích phòng", "180", 180) << RoomValue::AreaM2 << "70"
        << "";
}

void tst_RoomModel::staleness() {
    QFETCH(Input, input);
    QFETCH(RoomValue, changed);
    QFETCH(QString, text);
    QFETCH(QString, stale);
    RoomModel model;
    fillIn(model);
    model.computed(q6, Worked(1321), {input});
    QCOMPARE(model.computeTotals(), ArithmeticFault::None);
    model.setText(changed, text);
    QCOMPARE(model.state(q6).stale, stale);
    QCOMPARE(model.state(TotalKind::Maximum).stale,
             stale.isEmpty() ? QString() : QStringLiteral("Chưa tính lại: Q6"));
    // The totals still add up what the results hold.
    QCOMPARE(model.state(TotalKind::Average).totalsStale, QString());
}

void tst_RoomModel::totals_data() {
    QTest::addColumn<QString>("q1");
    QTest::addColumn<QString>("q5");
    QTest::addColumn<QString>("peak");
    QTest::addColumn<ArithmeticFault>("fault");
    QTest::addColumn<QString>("average");
    QTest::addColumn<QString>("maximum");
    QTest::addColumn<QString>("averageWorking");
    // After another term changes: where Tính would stop on a fault, it would
    // write nothing, and the totals stand.
    QTest::addColumn<bool>("outOfDate");
    QTest::newRow("peaks count in the maximum only")
        << "1300"
        << "1076"
        << "1723" << ArithmeticFault::None << "2376"
        << "3023"
        << "Q1 + Q2 + Q3 + Q4 + Q5 + Q6 + Q7 + Q8 = 1300 + 0 + 0 + 0 + 1076 + 0 + 0 + 0 = "
           "2376 W"
        << true;
    QTest::newRow("a text read as it reads") << "1,5"
                                             << "0"
                                             << "0" << ArithmeticFault::None << "1"
                                             << "1"
                                             << "Q1 + Q2 + Q3 + Q4 + Q5 + Q6 + Q7 + Q8 = 1 + "
                                                "0 + 0 + 0 + 0 + 0 + 0 + 0 = 1 W"
                                             << true;
    QTest::newRow("the average overflows: nothing written")
        << "1E308"
        << "1E308"
        << "0" << ArithmeticFault::Overflow << "0"
        << "0"
        << "" << false;
    QTest::newRow("the maximum overflows: the average stands")
        << "1E308"
        << "0"
        << "1E308" << ArithmeticFault::Overflow << "1E+308"
        << "0"
        << "Q1 + Q2 + Q3 + Q4 + Q5 + Q6 + Q7 + Q8 = 1E+308 + 0 + 0 + 0 + 0 + 0 + 0 + 0 = "
           "1E+308 W"
        << false;
}

void tst_RoomModel::totals() {
    QFETCH(QString, q1);
    QFETCH(QString, q5);
    QFETCH(QString, peak);
    QFETCH(ArithmeticFault, fault);
    QFETCH(QString, average);
    QFETCH(QString, maximum);
    QFETCH(QString, averageWorking);
    QFETCH(bool, outOfDate);
    RoomModel model;
    model.typed({0, ResultKind::Average}, q1);
    model.typed({4, ResultKind::Average}, q5);
    model.typed(q5Max, peak);
    QSignalSpy written(&model, &RoomModel::totalChanged);
    QCOMPARE(model.computeTotals(), fault);
    QCOMPARE(model.text(TotalKind::Average), average);
    QCOMPARE(model.text(TotalKind::Maximum), maximum);
    QCOMPARE(model.state(TotalKind::Average).working, averageWorking);
    QCOMPARE(written.count(), int(average != "0") + int(maximum != "0"));
    // A changed term makes the totals shown other than what Tính would write.
    model.typed({1, ResultKind::Average}, QStringLiteral("5"));
    QCOMPARE(model.state(TotalKind::Maximum).totalsStale,
             outOfDate ? QStringLiteral("Tổng chưa được tính lại: nhấn Tính để cập nhật")
                       : QString());
    // A total typed over is the user's.
    model.typed(TotalKind::Average, QStringLiteral("7,5"));
    QVERIFY(model.state(TotalKind::Average).typed);
    QVERIFY(model.state(TotalKind::Average).misread);
    QVERIFY(model.state(TotalKind::Average).working.isEmpty());
}

void tst_RoomModel::clearForgetsEverything() {
    RoomModel model;
    fillIn(model);
    model.computed(q4, Worked(3449), {field("thể tích phòng", "158,4", 158)});
    model.computed(q5Max, Worked(1723), {});
    QCOMPARE(model.computeTotals(), ArithmeticFault::None);
    model.setText(RoomValue::OutdoorC, QStringLiteral("40"));
    model.clear();
    for (const ResultId id : model.results()) {
        QCOMPARE(model.text(id), QStringLiteral("0"));
        const ResultState state = model.state(id);
        QVERIFY(state.working.isEmpty() && state.marked.isEmpty() && state.stale.isEmpty());
    }
    for (const TotalKind total : allTotals) {
        QCOMPARE(model.text(total), QStringLiteral("0"));
        const ResultState state = model.state(total);
        QVERIFY(state.working.isEmpty() && state.marked.isEmpty() && state.totalsStale.isEmpty());
    }
    // The room's values are not results: they stay.
    QCOMPARE(model.text(RoomValue::OutdoorC), QStringLiteral("40"));
}

void tst_RoomModel::roomValueWarnings_data() {
    QTest::addColumn<RoomValue>("value");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("warnings");
    QTest::newRow("the sample room's indoor enthalpy")
        << RoomValue::IndoorEnthalpyKJPerKg << "57.9914" << QStringList();
    QTest::newRow("an enthalpy far from the check")
        << RoomValue::IndoorEnthalpyKJPerKg << "70"
        << QStringList{"Theo nhiệt độ và dung ẩm: 57.94 kJ/kg"};
    QTest::newRow("a moisture content needed and missing")
        << RoomValue::OutdoorMoistureGPerKg << ""
        << QStringList{"Theo nhiệt độ và độ ẩm: 26.05 g/kg",
                       "Cần có số liệu để mở các cửa sổ tính"};
    QTest::newRow("an area is not needed") << RoomValue::AreaM2 << "" << QStringList();
    QTest::newRow("a humidity over 100")
        << RoomValue::OutdoorHumidityPercent << "120"
        << QStringList{"Giá trị không hợp lý (120): độ ẩm tương đối chỉ từ 0 đến 100 %."};
    QTest::newRow("the name says nothing") << RoomValue::Name << "-5" << QStringList();
}

void tst_RoomModel::roomValueWarnings() {
    QFETCH(RoomValue, value);
    QFETCH(QString, text);
    QFETCH(QStringList, warnings);
    RoomModel model;
    fillIn(model);
    model.setText(value, text);
    QCOMPARE(model.state(value).warnings(), warnings);
}

QTEST_GUILESS_MAIN(tst_RoomModel)
#include "tst_RoomModel.moc"
