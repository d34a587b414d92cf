// The room model's rules, without a window: which signs a result inherits
// from its inputs and passes to the totals, when a result or the totals stop
// holding, what Tính and Xoá leave, and what a room value says of itself.
// Every expected text is written out by hand.

#include "room/RoomModel.h"
#include "room/Words.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <limits>

using namespace kelvora;
using namespace kelvora::room;

Q_DECLARE_METATYPE(kelvora::room::RoomValue)
Q_DECLARE_METATYPE(kelvora::room::Input)
Q_DECLARE_METATYPE(kelvora::ArithmeticFault)
Q_DECLARE_METATYPE(kelvora::RoomQuantity)

namespace {

constexpr ResultId q4{3, ResultKind::Average};
constexpr ResultId q5Max{4, ResultKind::Peak};
constexpr ResultId q6{5, ResultKind::Average};

// A calculator's field as typed; what it reads as is given, not worked out.
Input field(const char* name, const char* text, double read) {
    return {
        QString::fromUtf8(name), QString::fromUtf8(text), read, std::nullopt, false, std::nullopt};
}

// A room value as a calculator took it, copied or read at the compute.
Input fromRoom(RoomValue value, const char* name, const char* text, double read,
               bool typedOver = false) {
    return {QString::fromUtf8(name), QString::fromUtf8(text), read, value, typedOver,
            quantityOf(value)};
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

// How the maximum total came about before sizing() is asked.
enum class Formed { None, Typed, Cleared, Stale };

// A sizing in the words a row expects; "none" without one.
QString described(const std::optional<Sizing>& sizing) {
    if (!sizing)
        return QStringLiteral("none");
    const auto number = [](double value) {
        return QString::number(value, 'g', 10);
    };
    QStringList said{number(sizing->maximumW) + " W", number(sizing->kilowatts) + " kW",
                     number(sizing->btuPerHour) + " BTU/h"};
    if (sizing->wattsPerM2)
        said << number(*sizing->wattsPerM2) + " W/m2";
    if (sizing->unit)
        said << number(sizing->unit->btuPerHour) + " BTU/h, " + number(sizing->unit->horsepower) +
                    " HP";
    if (sizing->aboveLargest)
        said << "above the largest";
    return said.join(QStringLiteral("; "));
}

} // namespace

Q_DECLARE_METATYPE(Formed)

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
    void sizing_data();
    void sizing();
    void unusualRanges_data();
    void unusualRanges();
    void fillAsTheSteamTables_data();
    void fillAsTheSteamTables();
    void fillSaysWhyNot_data();
    void fillSaysWhyNot();
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
    QTest::newRow("a copy typed over, named as the calculator names it")
        << fromRoom(RoomValue::People, "số người lớn trong phòng", "-2", -2, true)
        << "Tính với số người lớn trong phòng: Giá trị không hợp lý (-2): số người âm; số người "
           "hợp lý là số nguyên từ 0 trở lên.";
    QTest::newRow("a calculator's coefficient no real building has")
        << Input{QStringLiteral("hệ số truyền nhiệt của KCBC, Trần"),
                 QStringLiteral("0.038"),
                 0.038,
                 std::nullopt,
                 false,
                 RoomQuantity::HeatTransferWPerM2K}
        << "Tính với hệ số truyền nhiệt của KCBC, Trần: Giá trị bất thường (0.038): hệ số truyền "
           "nhiệt thường từ 0.1 đến 10 W/m²K.";
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
    // The totals name the result; the result's own note says why.
    const QString carried =
        mark.isEmpty() ? QString() : QStringLiteral("Tính từ kết quả có cảnh báo: Q4");
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
        << QStringList{"Theo nhiệt độ và dung ẩm: 57.9440 kJ/kg"};
    QTest::newRow("a moisture content needed and missing")
        << RoomValue::OutdoorMoistureGPerKg << ""
        << QStringList{"Theo nhiệt độ và độ ẩm: 26.056 g/kg",
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

void tst_RoomModel::sizing_data() {
    QTest::addColumn<QString>("area");
    QTest::addColumn<Formed>("formed");
    QTest::addColumn<QString>("maximum"); // W
    QTest::addColumn<QString>("sized");
    QTest::addColumn<QString>("stale"); // the maximum total's
    // By hand, BTU/h = W / 0.29307107 rounded: 2637.64 -> 9000.001 -> 9000; 2638 -> 9001.23
    // -> 9001; 14067.41 -> 47999.995 -> 48000; 14067.7 -> 48000.98 -> 48001; 3449 -> 11768.48
    // -> 11768. Over 60 m2: 2637.64 -> 43.96 -> 44; 2638 -> 43.97; 14067.41 -> 234.46;
    // 14067.7 -> 234.46; 3449 -> 57.48.
    QTest::newRow("exactly the smallest size")
        << "60" << Formed::Typed << "2637.64"
        << "2637.64 W; 2.64 kW; 9000 BTU/h; 44 W/m2; 9000 BTU/h, 1 HP"
        << "";
    QTest::newRow("just above it: the next size")
        << "60" << Formed::Typed << "2638"
        << "2638 W; 2.64 kW; 9001 BTU/h; 44 W/m2; 12000 BTU/h, 1.5 HP"
        << "";
    QTest::newRow("exactly the largest size")
        << "60" << Formed::Typed << "14067.41"
        << "14067.41 W; 14.07 kW; 48000 BTU/h; 234 W/m2; 48000 BTU/h, 5 HP"
        << "";
    QTest::newRow("above the largest size")
        << "60" << Formed::Typed << "14067.7"
        << "14067.7 W; 14.07 kW; 48001 BTU/h; 234 W/m2; above the largest"
        << "";
    QTest::newRow("no load, no unit") << "60" << Formed::Typed << "0"
                                      << "0 W; 0 kW; 0 BTU/h; 0 W/m2"
                                      << "";
    const char* const noArea = "2637.64 W; 2.64 kW; 9000 BTU/h; 9000 BTU/h, 1 HP";
    QTest::newRow("no floor area") << "" << Formed::Typed << "2637.64" << noArea << "";
    QTest::newRow("a floor area of 0") << "0" << Formed::Typed << "2637.64" << noArea << "";
    QTest::newRow("beyond range") << "60" << Formed::Typed << "1e999"
                                  << "none"
                                  << "";
    QTest::newRow("no total yet") << "60" << Formed::None << ""
                                  << "none"
                                  << "";
    QTest::newRow("after Xoá") << "60" << Formed::Cleared << "2637.64"
                               << "none"
                               << "";
    QTest::newRow("a stale total is sized, the line warns")
        << "60" << Formed::Stale << "3449"
        << "3449 W; 3.45 kW; 11768 BTU/h; 57 W/m2; 12000 BTU/h, 1.5 HP"
        << "Chưa tính lại: Q4";
}

void tst_RoomModel::sizing() {
    QFETCH(QString, area);
    QFETCH(Formed, formed);
    QFETCH(QString, maximum);
    QFETCH(QString, sized);
    QFETCH(QString, stale);
    RoomModel model;
    model.setText(RoomValue::AreaM2, area);
    if (formed == Formed::Stale) {
        model.computed(q4, Worked(maximum.toDouble()),
                       {fromRoom(RoomValue::OutdoorC, "nhiệt độ ngoài trời", "34.6", 34.6)});
        QCOMPARE(model.computeTotals(), ArithmeticFault::None);
        model.setText(RoomValue::OutdoorC, QStringLiteral("35"));
    } else if (formed != Formed::None) {
        model.typed(TotalKind::Maximum, maximum); // a total typed counts as one
    }
    if (formed == Formed::Cleared)
        model.clear();
    QCOMPARE(described(model.sizing()), sized);
    QCOMPARE(model.state(TotalKind::Maximum).stale, stale);
}

void tst_RoomModel::unusualRanges_data() {
    QTest::addColumn<RoomQuantity>("quantity");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("kind"); // how the note starts; empty: no note
    QTest::addColumn<QString>("note"); // whole, where given
    const char* const unusual = "Giá trị bất thường";
    const char* const impossible = "Giá trị không hợp lý";
    const auto row = [](const char* name, RoomQuantity quantity, double value, const char* kind,
                        const char* note = "") {
        QTest::newRow(name) << quantity << value << QString::fromUtf8(kind)
                            << QString::fromUtf8(note);
    };
    using Q = RoomQuantity;
    row("outdoor -10", Q::OutdoorTemperatureC, -10, "");
    row("outdoor -10.1", Q::OutdoorTemperatureC, -10.1, unusual,
        "Giá trị bất thường (-10.1): không khí ngoài trời thường từ -10 đến 50 °C.");
    row("outdoor 50", Q::OutdoorTemperatureC, 50, "");
    row("outdoor 50.1", Q::OutdoorTemperatureC, 50.1, unusual);
    row("indoor 16", Q::IndoorTemperatureC, 16, "");
    row("indoor 15.9", Q::IndoorTemperatureC, 15.9, unusual,
        "Giá trị bất thường (15.9): phòng điều hoà thường giữ từ 16 đến 32 °C.");
    row("indoor 32", Q::IndoorTemperatureC, 32, "");
    row("indoor 32.1", Q::IndoorTemperatureC, 32.1, unusual);
    row("indoor below absolute zero", Q::IndoorTemperatureC, -274, impossible,
        "Giá trị không hợp lý (-274): thấp hơn độ không tuyệt đối (-273.15 °C); nhiệt độ hợp lý "
        "từ -273.15 đến 100 °C.");
    row("heat transfer 0.1", Q::HeatTransferWPerM2K, 0.1, "");
    row("heat transfer 0.099", Q::HeatTransferWPerM2K, 0.099, unusual);
    row("heat transfer 10", Q::HeatTransferWPerM2K, 10, "");
    row("heat transfer 10.01", Q::HeatTransferWPerM2K, 10.01, unusual);
    row("heat transfer 0.038, the first", Q::HeatTransferWPerM2K, 0.038, unusual,
        "Giá trị bất thường (0.038): hệ số truyền nhiệt thường từ 0.1 đến 10 W/m²K.");
    row("absorption 0", Q::Absorption, 0, "");
    row("absorption 1", Q::Absorption, 1, "");
    row("absorption -0.01", Q::Absorption, -0.01, impossible);
    row("absorption 1.01", Q::Absorption, 1.01, impossible,
        "Giá trị không hợp lý (1.01): hệ số hấp thụ chỉ từ 0 đến 1.");
    row("enthalpy -8.04, air at -10 °C", Q::EnthalpyKJPerKg, -8.04, "");
    row("people beyond any count", Q::People, std::numeric_limits<double>::infinity(), impossible,
        "Giá trị không hợp lý (vô cùng lớn): số người vô cùng lớn; số người hợp lý là số nguyên "
        "từ 0 trở lên.");
}

void tst_RoomModel::unusualRanges() {
    QFETCH(RoomQuantity, quantity);
    QFETCH(double, value);
    QFETCH(QString, kind);
    QFETCH(QString, note);
    const QString said = implausibleNote(quantity, value);
    QCOMPARE(said.section(QStringLiteral(" ("), 0, 0), kind);
    if (!note.isEmpty())
        QCOMPARE(said, note);
}

void tst_RoomModel::fillAsTheSteamTables_data() {
    QTest::addColumn<QString>("temperatureC");
    QTest::addColumn<QString>("humidityPercent");
    QTest::addColumn<double>("moistureGPerKg");
    QTest::addColumn<double>("enthalpyKJPerKg");
    // The saturation pressures as the steam tables print them (kPa, IAPWS;
    // ASHRAE Handbook—Fundamentals, chapter 1, table 3, and its example 1),
    // with the moisture content and the enthalpy worked out from them by hand
    // (bc): W = 621.945 pw / (101.325 − pw), I = 1.006 t + W (2501 + 1.86 t).
    const struct {
        const char* t;
        const char* humidity;
        double tablePressureKPa; // what the rest was worked from
        double moisture;
        double enthalpy;
    } states[] = {
        {"20", "100", 2.3392, 14.69760, 57.42545}, {"25", "65", 3.1698, 12.90930, 58.03644},
        {"30", "100", 4.2469, 27.20838, 99.74640}, {"35", "100", 5.6291, 36.58454, 129.08959},
        {"40", "70", 7.3851, 33.43741, 126.35470},
    };
    for (const auto& state : states)
        QTest::addRow("%s °C, %s %% (%.4f kPa)", state.t, state.humidity, state.tablePressureKPa)
            << state.t << state.humidity << state.moisture << state.enthalpy;
}

// What a fill writes, on either side, to the decimals it writes. A table's
// fifth figure leaves the worked values uncertain by up to 0.0004 g/kg and
// 0.0009 kJ/kg: a molar-mass ratio of 621.9 is off by 0.002 to 0.004 g/kg
// in the three moister states, a heat of 1.005 by 0.02 kJ/kg and more.
void tst_RoomModel::fillAsTheSteamTables() {
    QFETCH(QString, temperatureC);
    QFETCH(QString, humidityPercent);
    QFETCH(double, moistureGPerKg);
    QFETCH(double, enthalpyKJPerKg);
    for (const AirSide side : allAirSides) {
        RoomModel model;
        fillIn(model);
        model.setText(airValues(side).temperatureC, temperatureC);
        model.setText(airValues(side).humidityPercent, humidityPercent);
        const AirFill fill = model.fill(side);
        QCOMPARE(fill.whyNot, QString());
        QVERIFY2(
            fill.moistureGPerKg.contains(QRegularExpression(QStringLiteral("^\\d+\\.\\d{3}$"))),
            qPrintable(fill.moistureGPerKg));
        QVERIFY2(
            fill.enthalpyKJPerKg.contains(QRegularExpression(QStringLiteral("^\\d+\\.\\d{4}$"))),
            qPrintable(fill.enthalpyKJPerKg));
        QVERIFY2(std::abs(fill.moistureGPerKg.toDouble() - moistureGPerKg) <= 0.0009,
                 qPrintable(fill.moistureGPerKg));
        QVERIFY2(std::abs(fill.enthalpyKJPerKg.toDouble() - enthalpyKJPerKg) <= 0.001,
                 qPrintable(fill.enthalpyKJPerKg));
    }
}

void tst_RoomModel::fillSaysWhyNot_data() {
    QTest::addColumn<RoomValue>("value");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("whyNot");
    QTest::newRow("humidity empty") << RoomValue::OutdoorHumidityPercent << ""
                                    << "Không điền được: độ ẩm trống";
    QTest::newRow("temperature unreadable") << RoomValue::IndoorC << "hai lăm"
                                            << "Không điền được: nhiệt độ không đọc được";
    QTest::newRow("temperature misread") << RoomValue::OutdoorC << "34,6"
                                         << "Không điền được: nhiệt độ '34,6': đọc được 34";
    QTest::newRow("humidity over 100")
        << RoomValue::IndoorHumidityPercent << "101"
        << "Không điền được: nhiệt độ và độ ẩm nằm ngoài khoảng kiểm tra được (nhiệt độ từ 0 "
           "đến 200 °C, độ ẩm từ 0 đến 100 %)";
    QTest::newRow("below freezing")
        << RoomValue::OutdoorC << "-5"
        << "Không điền được: nhiệt độ và độ ẩm nằm ngoài khoảng kiểm tra được (nhiệt độ từ 0 "
           "đến 200 °C, độ ẩm từ 0 đến 100 %)";
    QTest::newRow("a unit after the number") << RoomValue::IndoorC << "25 °C"
                                             << "";
}

// A fill is refused, with the reason, wherever the check cannot stand behind
// the numbers; the other side is not concerned.
void tst_RoomModel::fillSaysWhyNot() {
    QFETCH(RoomValue, value);
    QFETCH(QString, text);
    QFETCH(QString, whyNot);
    RoomModel model;
    fillIn(model);
    model.setText(value, text);
    const bool outdoor = value == RoomValue::OutdoorC || value == RoomValue::OutdoorHumidityPercent;
    QCOMPARE(model.fill(outdoor ? AirSide::Outdoor : AirSide::Indoor).whyNot, whyNot);
    QCOMPARE(model.fill(outdoor ? AirSide::Indoor : AirSide::Outdoor).whyNot, QString());
    QCOMPARE(model.fill(outdoor ? AirSide::Outdoor : AirSide::Indoor).moistureGPerKg.isEmpty(),
             !whyNot.isEmpty());
}

QTEST_GUILESS_MAIN(tst_RoomModel)
#include "tst_RoomModel.moc"
