// The moist-air check: saturated air against a published psychrometric table,
// inputs the check does not cover, and the status flags it keeps. The main
// window's first texts, which agree, are checked where its notes show them
// (tst_Notes).

#include "core/ArithmeticFault.h"
#include "core/MoistAir.h"

#include <QTest>

#include <array>
#include <cfenv>
#include <cmath>

using namespace kelvora;

class tst_MoistAir : public QObject {
    Q_OBJECT

private slots:
    void saturatedAirAsTabulated_data();
    void saturatedAirAsTabulated();
    void saturationPressureAsInSteamTables_data();
    void saturationPressureAsInSteamTables();
    void temperatureOnALineOfEnthalpy_data();
    void temperatureOnALineOfEnthalpy();
    void uncoveredInputsGiveNothing_data();
    void uncoveredInputsGiveNothing();
    void flagsRaisedBeforeStay_data();
    void flagsRaisedBeforeStay();
};

// ASHRAE Handbook—Fundamentals (SI), chapter 1, table 2, moist air at
// 101.325 kPa: humidity ratio (g/kg) and enthalpy (kJ/kg) at saturation. The
// table includes the enhancement factor, which the check leaves out, so they
// agree within 1 %.
void tst_MoistAir::saturatedAirAsTabulated_data() {
    QTest::addColumn<double>("temperatureC");
    QTest::addColumn<double>("moistureGPerKg");
    QTest::addColumn<double>("enthalpyKJPerKg");
    for (const auto& [t, d, h] : {std::array{0.0, 3.789, 9.475},
                                  {10.0, 7.661, 29.359},
                                  {20.0, 14.758, 57.555},
                                  {30.0, 27.329, 100.004},
                                  {40.0, 49.141, 166.683}})
        QTest::addRow("%g °C", t) << t << d << h;
}

void tst_MoistAir::saturatedAirAsTabulated() {
    QFETCH(double, temperatureC);
    QFETCH(double, moistureGPerKg);
    QFETCH(double, enthalpyKJPerKg);
    const double moisture = moistureContentGPerKg(temperatureC, 100.0).value_or(0.0);
    QVERIFY2(std::abs(moisture / moistureGPerKg - 1.0) < 0.01,
             qPrintable(QString::number(moisture)));
    const double enthalpy = kelvora::enthalpyKJPerKg(temperatureC, moisture).value_or(0.0);
    QVERIFY2(std::abs(enthalpy / enthalpyKJPerKg - 1.0) < 0.01,
             qPrintable(QString::number(enthalpy)));
}

// The steam tables (IAPWS), as printed to five figures, in kPa; the
// Hyland–Wexler fit gives 2.3388 at 20 °C and 7.3835 at 40 °C.
void tst_MoistAir::saturationPressureAsInSteamTables_data() {
    QTest::addColumn<double>("temperatureC");
    QTest::addColumn<double>("pressureKPa");
    for (const auto& [t, p] : {std::array{10.0, 1.2281},
                               {15.0, 1.7057},
                               {20.0, 2.3392},
                               {25.0, 3.1698},
                               {30.0, 4.2469},
                               {35.0, 5.6291},
                               {40.0, 7.3851}})
        QTest::addRow("%g °C", t) << t << p;
}

void tst_MoistAir::saturationPressureAsInSteamTables() {
    QFETCH(double, temperatureC);
    QFETCH(double, pressureKPa);
    const double pressurePa = saturationPressurePa(temperatureC).value_or(0.0);
    QVERIFY2(std::abs(pressurePa / 1000.0 - pressureKPa) <= 0.00005,
             qPrintable(QString::number(pressurePa, 'f', 3)));
}

// Worked by hand from the moist-air states of the fill's test, to five
// decimals:
// t = (I − 2.501 d) / (1.006 + 0.00186 d).
void tst_MoistAir::temperatureOnALineOfEnthalpy_data() {
    QTest::addColumn<double>("enthalpyKJPerKg");
    QTest::addColumn<double>("moistureGPerKg");
    QTest::addColumn<double>("temperatureC");
    QTest::newRow("dry air") << 25.15 << 0.0 << 25.0;
    QTest::newRow("saturated at 20 °C") << 57.42545 << 14.69760 << 20.0;
    QTest::newRow("saturated at 30 °C") << 99.74640 << 27.20838 << 30.0;
    QTest::newRow("below freezing, dry") << -10.06 << 0.0 << -10.0;
}

void tst_MoistAir::temperatureOnALineOfEnthalpy() {
    QFETCH(double, enthalpyKJPerKg);
    QFETCH(double, moistureGPerKg);
    QFETCH(double, temperatureC);
    const double t = temperatureAtEnthalpyC(enthalpyKJPerKg, moistureGPerKg).value_or(-999.0);
    QVERIFY2(std::abs(t - temperatureC) <= 0.0001, qPrintable(QString::number(t, 'f', 6)));
    QVERIFY(!temperatureAtEnthalpyC(enthalpyKJPerKg, -1.0));
}

void tst_MoistAir::uncoveredInputsGiveNothing_data() {
    QTest::addColumn<double>("temperatureC");
    QTest::addColumn<double>("humidityPercent");
    QTest::addColumn<double>("moistureGPerKg");
    QTest::addColumn<bool>("moistureGiven");
    QTest::addColumn<bool>("enthalpyGiven");
    QTest::newRow("humidity above 100") << 25.0 << 100.5 << 10.0 << false << true;
    QTest::newRow("below absolute zero") << -300.0 << 50.0 << 10.0 << false << false;
    QTest::newRow("below freezing") << -0.5 << 50.0 << 10.0 << false << false;
    QTest::newRow("1E300 °C") << 1e300 << 50.0 << 10.0 << false << false;
    QTest::newRow("not a number") << std::nan("") << 50.0 << std::nan("") << false << false;
    QTest::newRow("vapour at the total pressure") << 150.0 << 100.0 << 10.0 << false << true;
    QTest::newRow("edges: 0 °C, humidity 0") << 0.0 << 0.0 << 0.0 << true << true;
    QTest::newRow("edges: 200 °C, dry") << 200.0 << 0.0 << 0.0 << true << true;
    QTest::newRow("negative moisture") << 25.0 << 50.0 << -1.0 << true << false;
    QTest::newRow("moisture beyond any enthalpy") << 25.0 << 50.0 << 1e308 << true << false;
}

// Nothing the user types makes the check fault, nor leaves a flag raised
// that a compute would then take for its own.
void tst_MoistAir::uncoveredInputsGiveNothing() {
    QFETCH(double, temperatureC);
    QFETCH(double, humidityPercent);
    QFETCH(double, moistureGPerKg);
    QFETCH(bool, moistureGiven);
    QFETCH(bool, enthalpyGiven);
    std::feclearexcept(FE_ALL_EXCEPT);
    QCOMPARE(moistureContentGPerKg(temperatureC, humidityPercent).has_value(), moistureGiven);
    QCOMPARE(kelvora::enthalpyKJPerKg(temperatureC, moistureGPerKg).has_value(), enthalpyGiven);
    QCOMPARE(std::fetestexcept(FE_ALL_EXCEPT), 0);
}

void tst_MoistAir::flagsRaisedBeforeStay_data() {
    QTest::addColumn<int>("raised"); // FE_ flags
    QTest::newRow("none") << 0;
    QTest::newRow("inexact") << FE_INEXACT;
    QTest::newRow("divide by zero") << FE_DIVBYZERO;
    QTest::newRow("overflow") << (FE_OVERFLOW | FE_INEXACT);
    QTest::newRow("invalid") << FE_INVALID;
    QTest::newRow("underflow") << (FE_UNDERFLOW | FE_INEXACT);
    QTest::newRow("every flag") << FE_ALL_EXCEPT;
}

// The check runs in the middle of a compute, after its formula: a fault the
// formula raised must still be there for the compute's fault check, whatever
// the check's own arithmetic clears or raises.
void tst_MoistAir::flagsRaisedBeforeStay() {
    QFETCH(int, raised);
    std::feclearexcept(FE_ALL_EXCEPT);
    std::feraiseexcept(raised);
    {
        const FlagsKept kept;
        std::feclearexcept(FE_ALL_EXCEPT);
        std::feraiseexcept(FE_ALL_EXCEPT & ~raised);
    }
    QCOMPARE(std::fetestexcept(FE_ALL_EXCEPT), raised);
    QVERIFY(!kelvora::enthalpyKJPerKg(25.0, 1e308));     // overflows
    QVERIFY(!moistureContentGPerKg(std::nan(""), 50.0)); // compares a NaN
    QCOMPARE(std::fetestexcept(FE_ALL_EXCEPT), raised);
}

QTEST_MAIN(tst_MoistAir)
#include "tst_MoistAir.moc"
