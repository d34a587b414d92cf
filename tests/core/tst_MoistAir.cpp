// The moist-air check: saturated air against a published psychrometric table,
// the main window's first texts against each other, and inputs the check
// does not cover.

#include "core/FieldText.h"
#include "core/MoistAir.h"

#include <QTest>

#include <cfenv>
#include <cmath>
#include <limits>

using namespace kelvora;

class tst_MoistAir : public QObject {
    Q_OBJECT

private slots:
    void saturatedAirAsTabulated_data();
    void saturatedAirAsTabulated();
    void firstTextsAgree_data();
    void firstTextsAgree();
    void uncoveredInputsGiveNothing_data();
    void uncoveredInputsGiveNothing();
};

// ASHRAE Handbook—Fundamentals (SI), chapter 1, table 2, moist air at
// 101.325 kPa: humidity ratio and enthalpy at saturation. The table includes
// the enhancement factor, which the check leaves out, so they agree within 1 %.
void tst_MoistAir::saturatedAirAsTabulated_data() {
    QTest::addColumn<double>("temperatureC");
    QTest::addColumn<double>("moistureGPerKg");
    QTest::addColumn<double>("enthalpyKJPerKg");
    QTest::newRow("0 °C") << 0.0 << 3.789 << 9.475;
    QTest::newRow("10 °C") << 10.0 << 7.661 << 29.359;
    QTest::newRow("20 °C") << 20.0 << 14.758 << 57.555;
    QTest::newRow("30 °C") << 30.0 << 27.329 << 100.004;
    QTest::newRow("40 °C") << 40.0 << 49.141 << 166.683;
}

void tst_MoistAir::saturatedAirAsTabulated() {
    QFETCH(double, temperatureC);
    QFETCH(double, moistureGPerKg);
    QFETCH(double, enthalpyKJPerKg);
    const std::optional<double> moisture = moistureContentGPerKg(temperatureC, 100.0);
    QVERIFY(moisture.has_value());
    QVERIFY2(std::abs(*moisture / moistureGPerKg - 1.0) < 0.01,
             qPrintable(QString::number(*moisture)));
    const std::optional<double> enthalpy = kelvora::enthalpyKJPerKg(temperatureC, *moisture);
    QVERIFY(enthalpy.has_value());
    QVERIFY2(std::abs(*enthalpy / enthalpyKJPerKg - 1.0) < 0.01,
             qPrintable(QString::number(*enthalpy)));
}

// The values the main window's notes show for its first texts, worked out by
// hand from the formulas; they agree with the texts themselves.
void tst_MoistAir::firstTextsAgree_data() {
    QTest::addColumn<double>("temperatureC");
    QTest::addColumn<double>("humidityPercent");
    QTest::addColumn<double>("moistureGPerKg"); // the window's text
    QTest::addColumn<QString>("moistureShown");
    QTest::addColumn<QString>("enthalpyShown");
    QTest::newRow("outdoor") << 34.6 << 74.0 << 26.0 << "26.05"
                             << "101.51";
    QTest::newRow("indoor") << 25.0 << 65.0 << 12.873 << "12.91"
                            << "57.94";
}

void tst_MoistAir::firstTextsAgree() {
    QFETCH(double, temperatureC);
    QFETCH(double, humidityPercent);
    QFETCH(double, moistureGPerKg);
    QFETCH(QString, moistureShown);
    QFETCH(QString, enthalpyShown);
    const auto shown = [](std::optional<double> value) {
        return value ? QString::fromStdString(numberText(roundHalfEven(*value, 2))) : QString();
    };
    QCOMPARE(shown(moistureContentGPerKg(temperatureC, humidityPercent)), moistureShown);
    QCOMPARE(shown(kelvora::enthalpyKJPerKg(temperatureC, moistureGPerKg)), enthalpyShown);
}

void tst_MoistAir::uncoveredInputsGiveNothing_data() {
    QTest::addColumn<double>("temperatureC");
    QTest::addColumn<double>("humidityPercent");
    QTest::addColumn<double>("moistureGPerKg");
    QTest::addColumn<bool>("moistureGiven");
    QTest::addColumn<bool>("enthalpyGiven");
    const double infinity = std::numeric_limits<double>::infinity();
    QTest::newRow("humidity above 100") << 25.0 << 100.5 << 10.0 << false << true;
    QTest::newRow("negative humidity") << 25.0 << -1.0 << 10.0 << false << true;
    QTest::newRow("below absolute zero") << -300.0 << 50.0 << 10.0 << false << false;
    QTest::newRow("below freezing") << -0.5 << 50.0 << 10.0 << false << false;
    QTest::newRow("above 200 °C") << 1e300 << 50.0 << 10.0 << false << false;
    QTest::newRow("infinite temperature") << infinity << 50.0 << 10.0 << false << false;
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
    QCOMPARE(std::fetestexcept(FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID | FE_INEXACT), 0);
}

QTEST_MAIN(tst_MoistAir)
#include "tst_MoistAir.moc"
