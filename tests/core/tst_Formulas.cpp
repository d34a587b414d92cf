// The formulas behind the calculators and the totals, and the fault rule that
// guards each of them.

#include "core/ArithmeticFault.h"
#include "core/EquipmentHeat.h"
#include "core/FieldText.h"
#include "core/HeatBalance.h"
#include "core/LightingHeat.h"
#include "core/RoofHeat.h"
#include "core/WorkingText.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <vector>

using namespace kelvora;

using Components = std::vector<ComponentW>;

namespace {
ComponentW q(double averageW) {
    return {averageW, std::nullopt};
}
ComponentW q(double averageW, double peakW) {
    return {averageW, peakW};
}
} // namespace

Q_DECLARE_METATYPE(kelvora::ArithmeticFault)
Q_DECLARE_METATYPE(kelvora::EquipmentCounts)
Q_DECLARE_METATYPE(Components)

class tst_Formulas : public QObject {
    Q_OBJECT

private slots:
    void equipmentHeat_data();
    void equipmentHeat();
    void lightingStandard_data();
    void lightingStandard();
    void lightingHeat_data();
    void lightingHeat();
    void roofRadiations_data();
    void roofRadiations();
    void totals_data();
    void totals();
    void faults_data();
    void faults();
    void faultWatchCountsUntilItRestarts();
};

void tst_Formulas::equipmentHeat_data() {
    QTest::addColumn<EquipmentCounts>("counts");
    QTest::addColumn<QString>("shown");

    QTest::newRow("nothing typed") << EquipmentCounts{} << "0";
    QTest::newRow("a whole office") << EquipmentCounts{10, 1, 2, 1, 1, 1, 500} << "4100";
    QTest::newRow("half a computer") << EquipmentCounts{2.5, 0, 0, 0, 0, 0, 0} << "750";
    QTest::newRow("a printer less") << EquipmentCounts{0, 0, -1, 0, 0, 0, 0} << "-100";
    QTest::newRow("other power, tie down") << EquipmentCounts{0, 0, 0, 0, 0, 0, 250.5} << "250";
    QTest::newRow("other power, tie up") << EquipmentCounts{0, 0, 0, 0, 0, 0, 251.5} << "252";
    QTest::newRow("each machine counts") << EquipmentCounts{1, 2, 3, 4, 5, 6, 7} << "2307";
}

void tst_Formulas::equipmentHeat() {
    QFETCH(EquipmentCounts, counts);
    QFETCH(QString, shown);
    QCOMPARE(QString::fromStdString(numberText(roundHalfEven(equipmentHeatW(counts), 0))), shown);
    QVERIFY2(test::readsAsItsValue(kelvora::equipmentHeat(counts)),
             kelvora::equipmentHeat(counts).text().c_str());
}

void tst_Formulas::lightingStandard_data() {
    QTest::addColumn<double>("standard");
    QTest::addColumn<bool>("accepted");
    for (const double ok : {10.0, 11.0, 12.0})
        QTest::addRow("%g", ok) << ok << true;
    for (const double refused : {9.0, 13.0, 10.5, 100.0, 0.0, -11.0, 11.000000000000002})
        QTest::addRow("%.17g", refused) << refused << false;
}

void tst_Formulas::lightingStandard() {
    QFETCH(double, standard);
    QFETCH(bool, accepted);
    QCOMPARE(isLightingStandard(standard), accepted);
}

void tst_Formulas::lightingHeat_data() {
    QTest::addColumn<double>("areaM2");
    QTest::addColumn<double>("standard");
    QTest::addColumn<QString>("shown");
    QTest::newRow("60 m2 at 11") << 60.0 << 11.0 << "660";
    QTest::newRow("60 m2 at 10") << 60.0 << 10.0 << "600";
    QTest::newRow("60 m2 at 12") << 60.0 << 12.0 << "720";
    QTest::newRow("2.5 rounds down") << 0.25 << 10.0 << "2";
    QTest::newRow("7.5 rounds up") << 0.75 << 10.0 << "8";
    QTest::newRow("no area") << 0.0 << 11.0 << "0";
    QTest::newRow("negative area") << -3.0 << 12.0 << "-36";
}

void tst_Formulas::lightingHeat() {
    QFETCH(double, areaM2);
    QFETCH(double, standard);
    QFETCH(QString, shown);
    QCOMPARE(QString::fromStdString(numberText(roundHalfEven(lightingHeatW(areaM2, standard), 0))),
             shown);
    QVERIFY(test::readsAsItsValue(kelvora::lightingHeat(areaM2, standard)));
}

// Absorptions that are multiples of 0.044, 17.6 / 400, make the radiation's
// share of each equivalent temperature a short decimal (0.88 × 405 / 17.6 =
// 20.25): the heat before rounding is exact in the digits written, where a
// tenth of a W/m² more radiation shows, as it would not in whole watts.
void tst_Formulas::roofRadiations_data() {
    QTest::addColumn<double>("flatM2");
    QTest::addColumn<double>("vaultedM2");
    QTest::addColumn<QString>("peak"); // W, before rounding
    QTest::addColumn<QString>("average");
    // 100 × 1 × 0.78 × (30 + 0.88 × 789 / 17.6 − 25) = 78 × 44.45
    // 100 × 1 × 0.78 × (30 + 0.88 × 405 / 17.6 − 25) = 78 × 25.25
    QTest::newRow("flat, 0.88 absorbed") << 100.0 << 0.0 << "3467.1"
                                         << "1969.5";
    // 50 × 2 × 0.78 × (30 + 0.44 × 789 / 17.6 − 25) = 78 × 24.725
    // 50 × 2 × 0.78 × (30 + 0.44 × 405 / 17.6 − 25) = 78 × 15.125
    QTest::newRow("vaulted, 0.44 absorbed") << 0.0 << 50.0 << "1928.55"
                                            << "1179.75";
}

void tst_Formulas::roofRadiations() {
    QFETCH(double, flatM2);
    QFETCH(double, vaultedM2);
    QFETCH(QString, peak);
    QFETCH(QString, average);
    const Roof roof{.flat = {flatM2, 1.0, 0.88},
                    .vaulted = {vaultedM2, 2.0, 0.44},
                    .outdoorC = 30,
                    .indoorC = 25};
    QCOMPARE(QString::fromStdString(numberText(roofHeatW(roof, peakRoofRadiationWPerM2))), peak);
    QCOMPARE(QString::fromStdString(numberText(roofHeatW(roof, averageRoofRadiationWPerM2))),
             average);
}

void tst_Formulas::totals_data() {
    QTest::addColumn<Components>("components"); // in the list's order, peaks beside
    QTest::addColumn<QString>("average");
    QTest::addColumn<QString>("maximum");

    QTest::newRow("nothing yet") << Components{q(0), q(0), q(0), q(0), q(0, 0), q(0), q(0, 0), q(0)}
                                 << "0"
                                 << "0";
    QTest::newRow("every component")
        << Components{q(100), q(200), q(300), q(400), q(500, 900), q(600), q(700, 1000), q(800)}
        << "3600"
        << "4300";
    QTest::newRow("peaks left at 0")
        << Components{q(0), q(0), q(0), q(0), q(500, 0), q(0), q(700, 0), q(0)} << "1200"
        << "0";
    QTest::newRow("not rounded") << Components{q(0.1), q(0.2), q(0), q(0)} << "0.3"
                                 << "0.3";
    QTest::newRow("quarter watts") << Components{q(1.25), q(2)} << "3.25"
                                   << "3.25";
    // Left to right: 1E+16 + 1 + 1 loses both ones, 1 + 1 + 1E+16 does not.
    QTest::newRow("order of the sum")
        << Components{q(1e16), q(1), q(1), q(0), q(0), q(0), q(0), q(-1e16)} << "0"
        << "0";
    // Each peak counts in its own component's place: 1E+16 - 1E+16 + 1 keeps
    // the one, 1 - 1E+16 + 1E+16 would not.
    QTest::newRow("peaks in their places")
        << Components{q(0), q(0), q(0), q(0), q(0, 1e16), q(-1e16), q(0, 1), q(0)} << "-1E+16"
        << "1";
}

void tst_Formulas::totals() {
    QFETCH(Components, components);
    QFETCH(QString, average);
    QFETCH(QString, maximum);
    std::vector<double> averagesW;
    for (const ComponentW& component : components)
        averagesW.push_back(component.averageW);
    QCOMPARE(QString::fromStdString(numberText(averageTotalW(averagesW))), average);
    QCOMPARE(QString::fromStdString(numberText(maximumTotalW(components))), maximum);
}

void tst_Formulas::faults_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<int>("operation"); // 0 sum, 1 product, 2 quotient, 3 difference
    QTest::addColumn<ArithmeticFault>("fault");
    QTest::addColumn<QString>("message");

    QTest::newRow("ordinary") << "60"
                              << "11" << 1 << ArithmeticFault::None << "";
    QTest::newRow("sum overflows")
        << "1E308"
        << "1E308" << 0 << ArithmeticFault::Overflow << "Loi tinh toan: so qua lon";
    QTest::newRow("product overflows")
        << "1E200"
        << "1E200" << 1 << ArithmeticFault::Overflow << "Loi tinh toan: so qua lon";
    QTest::newRow("number read beyond range")
        << "1e999"
        << "0" << 1 << ArithmeticFault::Overflow << "Loi tinh toan: so qua lon";
    QTest::newRow("read overflow, then inf - inf")
        << "1e999"
        << "1e999" << 3 << ArithmeticFault::Overflow << "Loi tinh toan: so qua lon";
    QTest::newRow("divide by zero")
        << "5"
        << "" << 2 << ArithmeticFault::ZeroDivide << "Loi tinh toan: chia cho 0";
    QTest::newRow("zero by zero") << "0"
                                  << "0" << 2 << ArithmeticFault::Invalid
                                  << "Loi tinh toan: phep tinh khong hop le";
    QTest::newRow("underflow is no fault") << "1E-300"
                                           << "1E-300" << 1 << ArithmeticFault::None << "";
}

void tst_Formulas::faults() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(int, operation);
    QFETCH(ArithmeticFault, fault);
    QFETCH(QString, message);

    FaultWatch watch;
    // volatile keeps the compiler from folding the operation away.
    volatile double a = fieldValue(first.toStdString());
    volatile double b = fieldValue(second.toStdString());
    double result = 0;
    switch (operation) {
    case 0:
        result = a + b;
        break;
    case 1:
        result = a * b;
        break;
    case 2:
        result = a / b;
        break;
    default:
        result = a - b;
        break;
    }
    QCOMPARE(watch.check(result), fault);
    QCOMPARE(QString::fromUtf8(faultMessage(fault).data(),
                               static_cast<qsizetype>(faultMessage(fault).size())),
             message);
}

void tst_Formulas::faultWatchCountsUntilItRestarts() {
    FaultWatch watch;
    volatile double big = 1e200;
    QCOMPARE(watch.check(big * 2), ArithmeticFault::None);
    QCOMPARE(watch.check(big * big), ArithmeticFault::Overflow);
    // A fault stays until the watch restarts; the next formula is judged afresh.
    QCOMPARE(watch.check(1.0), ArithmeticFault::Overflow);
    watch.restart();
    QCOMPARE(watch.check(1.0), ArithmeticFault::None);
    FaultWatch fresh;
    QCOMPARE(fresh.check(big), ArithmeticFault::None);
    // An infinite or NaN result is a fault even when no flag says so.
    FaultWatch witness;
    QCOMPARE(witness.check(std::numeric_limits<double>::infinity()), ArithmeticFault::Overflow);
    QCOMPARE(witness.check(std::numeric_limits<double>::quiet_NaN()), ArithmeticFault::Invalid);
}

QTEST_APPLESS_MAIN(tst_Formulas)
#include "tst_Formulas.moc"
