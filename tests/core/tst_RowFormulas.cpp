// The occupant, infiltration, roof and floor formulas on their worked
// examples: the order of their operations where a result lands on a half, the
// infiltration factor to the bit, and every border between the floor rules.

#include "core/FieldText.h"
#include "core/FloorHeat.h"
#include "core/InfiltrationHeat.h"
#include "core/OccupantHeat.h"
#include "core/RoofHeat.h"

#include <QTest>

#include <bit>
#include <cmath>
#include <cstdint>

using namespace kelvora;

namespace {
QString shown(double valueW) {
    return QString::fromStdString(numberText(roundHalfEven(valueW, 0)));
}
QString unrounded(double valueW) {
    return QString::fromStdString(numberText(valueW));
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
    void floorZonesAddUpToTheFloor_data();
    void floorZonesAddUpToTheFloor();
    void floorHeat_data();
    void floorHeat();
};

void tst_RowFormulas::occupantHeat_data() {
    QTest::addColumn<double>("adults");
    QTest::addColumn<double>("children");
    QTest::addColumn<double>("heatWPerPerson");
    QTest::addColumn<QString>("exact"); // the total before rounding
    QTest::addColumn<QString>("q3");

    QTest::newRow("21 at rest") << 21.0 << 0.0 << sedentaryHeatWPerPerson << "1554"
                                << "1554";
    QTest::newRow("and 4 children") << 21.0 << 4.0 << sedentaryHeatWPerPerson << "1776"
                                    << "1776";
    QTest::newRow("a tie goes to even") << 10.0 << 2.0 << lightWorkHeatWPerPerson << "1276.5"
                                        << "1276";
    QTest::newRow("moderate work") << 5.0 << 3.0 << moderateWorkHeatWPerPerson << "1140.0625"
                                   << "1140";
    QTest::newRow("nobody") << 0.0 << 0.0 << heavyWorkHeatWPerPerson << "0"
                            << "0";
    QTest::newRow("a child less") << 0.0 << -1.0 << danceHallHeatWPerPerson << "-131.8125"
                                  << "-132";
}

void tst_RowFormulas::occupantHeat() {
    QFETCH(double, adults);
    QFETCH(double, children);
    QFETCH(double, heatWPerPerson);
    QFETCH(QString, exact);
    QFETCH(QString, q3);
    const double q3W = occupantHeatW(occupantGroupHeatW(adults, heatWPerPerson),
                                     occupantGroupHeatW(children, heatWPerPerson));
    QCOMPARE(unrounded(q3W), exact);
    QCOMPARE(shown(q3W), q3);
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

    QTest::newRow("180 m3") << 180.0 << 101.6478 << 57.9914 << "3929" << 0.0;
    QTest::newRow("200 m3") << 200.0 << 101.6478 << 57.9914 << "4366" << 0.0;
    QTest::newRow("enthalpies swapped") << 180.0 << 57.9914 << 101.6478 << "-3929" << 0.0;
    // 1.8 itself would give exactly 1.5 here, and 2 after rounding.
    QTest::newRow("just below 1.5") << 1.0 << 13.0 << 10.0 << "1" << 1.5;
    QTest::newRow("just below 500") << 100.0 << 60.0 << 50.0 << "500" << 500.0;
    QTest::newRow("no volume") << 0.0 << 101.6478 << 57.9914 << "0" << 0.0;
}

void tst_RowFormulas::infiltrationHeat() {
    QFETCH(double, volumeM3);
    QFETCH(double, outdoor);
    QFETCH(double, indoor);
    QFETCH(QString, q4);
    QFETCH(double, justBelow);
    const double q4W = infiltrationHeatW(outdoor, indoor, infiltrationAirFlowKgPerS(volumeM3));
    QCOMPARE(shown(q4W), q4);
    if (justBelow != 0.0) {
        QVERIFY(q4W < justBelow);
        QVERIFY(justBelow - q4W < 1e-9);
    }
}

void tst_RowFormulas::roofHeat_data() {
    QTest::addColumn<double>("flatM2");
    QTest::addColumn<double>("vaultedM2");
    QTest::addColumn<double>("flatAbsorption");
    QTest::addColumn<double>("indoorC");
    QTest::addColumn<QString>("peak");
    QTest::addColumn<QString>("average");

    QTest::newRow("no roof") << 0.0 << 0.0 << 0.55 << 25.0 << "0"
                             << "0";
    QTest::newRow("flat 100") << 100.0 << 0.0 << 0.55 << 25.0 << "102"
                              << "66";
    QTest::newRow("vaulted 50") << 0.0 << 50.0 << 0.55 << 25.0 << "50"
                                << "32";
    QTest::newRow("both, rounded once") << 100.0 << 50.0 << 0.55 << 25.0 << "151"
                                        << "98";
    QTest::newRow("flat 200, vaulted 120") << 200.0 << 120.0 << 0.55 << 25.0 << "323"
                                           << "209";
    QTest::newRow("nothing absorbed") << 100.0 << 0.0 << 0.0 << 25.0 << "28"
                                      << "28";
    QTest::newRow("warmer inside") << 100.0 << 0.0 << 0.55 << 70.0 << "-32"
                                   << "-67";
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
    QCOMPARE(shown(roofHeatW(roof, peakRoofRadiationWPerM2)), peak);
    QCOMPARE(shown(roofHeatW(roof, averageRoofRadiationWPerM2)), average);
}

void tst_RowFormulas::floorZonesAddUpToTheFloor_data() {
    QTest::addColumn<double>("lengthM");
    QTest::addColumn<double>("widthM");
    QTest::newRow("15 by 10") << 15.0 << 10.0;
    QTest::newRow("20 by 15") << 20.0 << 15.0;
    QTest::newRow("5 by 4") << 5.0 << 4.0;
    QTest::newRow("6.25 by 6.25") << 6.25 << 6.25;
}

void tst_RowFormulas::floorZonesAddUpToTheFloor() {
    QFETCH(double, lengthM);
    QFETCH(double, widthM);
    const FloorZones z = floorZones(lengthM, widthM);
    QCOMPARE(z.zone1M2, (lengthM + widthM) * 4);
    QCOMPARE(z.zone1M2 + z.zone2M2 + z.zone3M2 + z.zone4M2, lengthM * widthM);
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
    for (const auto& row : rows)
        QTest::newRow(row.name) << row.lengthM << row.widthM << row.outdoorC << row.indoorC
                                << row.q8;
}

void tst_RowFormulas::floorHeat() {
    QFETCH(double, lengthM);
    QFETCH(double, widthM);
    QFETCH(double, outdoorC);
    QFETCH(double, indoorC);
    QFETCH(QString, q8);
    QCOMPARE(shown(floorHeatW({lengthM, widthM, outdoorC, indoorC})), q8);
}

QTEST_APPLESS_MAIN(tst_RowFormulas)
#include "tst_RowFormulas.moc"
