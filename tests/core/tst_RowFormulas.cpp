// The occupant, infiltration, roof and floor formulas on their worked
// examples: the order of their operations where a result lands on a half, the
// infiltration factor to the bit, and every border between the floor rules.

#include "core/FieldText.h"
#include "core/FloorHeat.h"
#include "core/InfiltrationHeat.h"
#include "core/OccupantHeat.h"
#include "core/RoofHeat.h"
#include "core/WorkingText.h"

#include <QTest>

#include <bit>
#include <cmath>
#include <cstdint>

using namespace kelvora;

namespace {
QString text(double valueW, bool rounded = true) {
    return QString::fromStdString(numberText(rounded ? roundHalfEven(valueW, 0) : valueW));
}
} // namespace

class tst_RowFormulas : public QObject {
    Q_OBJECT

private slots:
    void occupantHeat_data();
    void occupantHeat();
    void infiltrationFactorIsJustBelow18();
    void infiltrationHeat_data();
    void infiltrationHeat();
    void roofHeat_data();
    void roofHeat();
    void floorHeat_data();
    void floorHeat();
};

void tst_RowFormulas::occupantHeat_data() {
    QTest::addColumn<double>("adults");
    QTest::addColumn<double>("children");
    QTest::addColumn<double>("heatWPerPerson");
    QTest::addColumn<QString>("exact"); // before rounding
    QTest::addColumn<QString>("q3");
    const struct {
        const char* name;
        double adults, children, heatWPerPerson;
        const char *exact, *q3;
    } rows[] = {
        {"21 at rest", 21, 0, sedentaryHeatWPerPerson, "1554", "1554"},
        {"and 4 children", 21, 4, sedentaryHeatWPerPerson, "1776", "1776"},
        {"a tie goes to even", 10, 2, lightWorkHeatWPerPerson, "1276.5", "1276"},
        {"moderate work", 5, 3, moderateWorkHeatWPerPerson, "1140.0625", "1140"},
        {"a child less", 0, -1, danceHallHeatWPerPerson, "-131.8125", "-132"},
    };
    for (const auto& r : rows)
        QTest::newRow(r.name) << r.adults << r.children << r.heatWPerPerson << r.exact << r.q3;
}

void tst_RowFormulas::occupantHeat() {
    QFETCH(double, adults);
    QFETCH(double, children);
    QFETCH(double, heatWPerPerson);
    QFETCH(QString, exact);
    QFETCH(QString, q3);
    const double q3W = occupantHeatW(occupantGroupHeatW(adults, heatWPerPerson),
                                     occupantGroupHeatW(children, heatWPerPerson));
    QCOMPARE(text(q3W, false), exact);
    const Worked worked = kelvora::occupantHeat(occupantGroupHeat(adults, heatWPerPerson),
                                                occupantGroupHeat(children, heatWPerPerson));
    QVERIFY2(test::readsAsItsValue(worked), worked.text().c_str());
    QCOMPARE(text(q3W), q3);
}

void tst_RowFormulas::infiltrationFactorIsJustBelow18() {
    QCOMPARE(std::bit_cast<std::uint64_t>(airFlowFactorKgPerM3H), 0x3FFCCCCCCCCCCCCCULL);
    QCOMPARE(std::nextafter(1.8, 0.0), airFlowFactorKgPerM3H);
}

void tst_RowFormulas::infiltrationHeat_data() {
    QTest::addColumn<double>("volumeM3");
    QTest::addColumn<double>("outdoor"); // kJ/kg
    QTest::addColumn<double>("indoor");
    QTest::addColumn<QString>("q4");
    QTest::addColumn<double>("justBelow"); // 0: no such bound
    const struct {
        const char* name;
        double volumeM3, outdoor, indoor;
        const char* q4;
        double justBelow;
    } rows[] = {
        {"180 m3", 180, 101.6478, 57.9914, "3929", 0},
        {"200 m3", 200, 101.6478, 57.9914, "4366", 0},
        {"enthalpies swapped", 180, 57.9914, 101.6478, "-3929", 0},
        // 1.8 itself would give exactly 1.5 here, and 2 after rounding.
        {"just below 1.5", 1, 13, 10, "1", 1.5},
        {"just below 500", 100, 60, 50, "500", 500},
    };
    for (const auto& r : rows)
        QTest::newRow(r.name) << r.volumeM3 << r.outdoor << r.indoor << r.q4 << r.justBelow;
}

void tst_RowFormulas::infiltrationHeat() {
    QFETCH(double, volumeM3);
    QFETCH(double, outdoor);
    QFETCH(double, indoor);
    QFETCH(QString, q4);
    QFETCH(double, justBelow);
    const double q4W = infiltrationHeatW(outdoor, indoor, infiltrationAirFlowKgPerS(volumeM3));
    QCOMPARE(text(q4W), q4);
    const Worked worked = kelvora::infiltrationHeat(outdoor, indoor, infiltrationAirFlow(volumeM3));
    QVERIFY2(test::readsAsItsValue(worked), worked.text().c_str());
    if (justBelow != 0.0)
        QVERIFY(q4W < justBelow && justBelow - q4W < 1e-9);
}

void tst_RowFormulas::roofHeat_data() {
    QTest::addColumn<double>("flatM2");
    QTest::addColumn<double>("vaultedM2");
    QTest::addColumn<double>("flatAbsorption");
    QTest::addColumn<double>("indoorC");
    QTest::addColumn<QString>("peak");
    QTest::addColumn<QString>("average");
    const struct {
        const char* name;
        double flatM2, vaultedM2, flatAbsorption, indoorC;
        const char *peak, *average;
    } rows[] = {
        {"no roof", 0, 0, 0.55, 25, "0", "0"},
        {"flat 100", 100, 0, 0.55, 25, "102", "66"},
        {"vaulted 50", 0, 50, 0.55, 25, "50", "32"},
        {"both, rounded once", 100, 50, 0.55, 25, "151", "98"},
        {"flat 200, vaulted 120", 200, 120, 0.55, 25, "323", "209"},
        {"nothing absorbed", 100, 0, 0, 25, "28", "28"},
        {"warmer inside", 100, 0, 0.55, 70, "-32", "-67"},
    };
    for (const auto& r : rows)
        QTest::newRow(r.name) << r.flatM2 << r.vaultedM2 << r.flatAbsorption << r.indoorC << r.peak
                              << r.average;
}

void tst_RowFormulas::roofHeat() {
    QFETCH(double, flatM2);
    QFETCH(double, vaultedM2);
    QFETCH(double, flatAbsorption);
    QFETCH(double, indoorC);
    QFETCH(QString, peak);
    QFETCH(QString, average);
    const Roof roof{.flat = {flatM2, 0.038, flatAbsorption},
                    .vaulted = {vaultedM2, 0.035, 0.6},
                    .outdoorC = 34.6,
                    .indoorC = indoorC};
    QCOMPARE(text(roofHeatW(roof, peakRoofRadiationWPerM2)), peak);
    QCOMPARE(text(roofHeatW(roof, averageRoofRadiationWPerM2)), average);
    for (const double radiation : {peakRoofRadiationWPerM2, averageRoofRadiationWPerM2})
        QVERIFY2(test::readsAsItsValue(kelvora::roofHeat(roof, radiation)),
                 kelvora::roofHeat(roof, radiation).text().c_str());
}

void tst_RowFormulas::floorHeat_data() {
    QTest::addColumn<double>("lengthM");
    QTest::addColumn<double>("widthM");
    QTest::addColumn<double>("outdoorC");
    QTest::addColumn<double>("indoorC");
    QTest::addColumn<QString>("q8");
    const struct {
        const char* name;
        double lengthM, widthM, outdoorC, indoorC;
        const char* q8;
    } rows[] = {
        {"no floor", 0, 0, 34.6, 25, "0"},
        {"5 by 4, one zone", 5, 4, 34.6, 25, "96"},
        {"zone I just below 48", 7, 4.99, 34.6, 25, "168"},
        {"zone I exactly 48", 7, 5, 34.6, 25, "230"},
        {"zone I just above 48, rules 3 and 5", 7, 5.01, 34.6, 25, "213"},
        {"two zones", 10, 6, 34.6, 25, "338"},
        {"zone IV exactly 0", 8, 8, 34.6, 25, "338"},
        {"zone III exactly 0", 12, 8, 34.6, 25, "445"},
        {"three zones", 15, 10, 34.6, 25, "599"},
        {"four zones", 20, 15, 34.6, 25, "912"},
        {"square, rules 3 and 5", 6.25, 6.25, 34.6, 25, "227"},
        {"narrow, rules 3 and 5", 10, 2.5, 34.6, 25, "217"},
        {"narrower, rule 3 only", 11, 2, 34.6, 25, "257"},
        {"warmer inside", 5, 4, 25, 30, "-50"},
        {"negative length", -10, 2, 34.6, 25, "-96"},
    };
    for (const auto& r : rows)
        QTest::newRow(r.name) << r.lengthM << r.widthM << r.outdoorC << r.indoorC << r.q8;
}

void tst_RowFormulas::floorHeat() {
    QFETCH(double, lengthM);
    QFETCH(double, widthM);
    QFETCH(double, outdoorC);
    QFETCH(double, indoorC);
    QFETCH(QString, q8);
    QCOMPARE(text(floorHeatW({lengthM, widthM, outdoorC, indoorC})), q8);
    const Worked worked = kelvora::floorHeat({lengthM, widthM, outdoorC, indoorC});
    QVERIFY2(test::readsAsItsValue(worked), worked.text().c_str());
}

QTEST_APPLESS_MAIN(tst_RowFormulas)
#include "tst_RowFormulas.moc"
