// Each formula against the plain expression it was before it had a working, on
// random rooms: the same double to the bit, and a working that reads back as it.
// The floor's rules are not written here again, where a wrong coefficient would
// be copied along with them: its random rooms check only its working, and its
// rules are checked on examples worked by hand.

#include "core/EnvelopeHeat.h"
#include "core/EquipmentHeat.h"
#include "core/FieldText.h"
#include "core/FloorHeat.h"
#include "core/GlazingHeat.h"
#include "core/InfiltrationHeat.h"
#include "core/LightingHeat.h"
#include "core/OccupantHeat.h"
#include "core/RoofHeat.h"
#include "core/WorkingText.h"

#include <QTest>

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <functional>
#include <optional>
#include <random>

using namespace kelvora;

namespace {

constexpr int roomsPerFormula = 300;
using Inputs = std::array<double, 26>;
// A formula with its working, and the plain expression it must equal, if any.
using Case = std::pair<Worked, std::optional<double>>;

double flatPart(const Inputs& x, int at, double r) {
    return (x[at] * x[at + 1]) * 0.78 * ((x[24] + (x[at + 2] * r) / 17.6) - x[25]);
}

const std::function<Case(const Inputs&)> formulas[] = {
    [](const Inputs& x) {
        return Case{equipmentHeat({x[0], x[1], x[2], x[3], x[4], x[5], x[6]}),
                    x[0] * 300 + x[1] * 100 + x[2] * 100 + x[3] * 100 + x[4] * 100 + x[5] * 100 +
                        x[6]};
    },
    [](const Inputs& x) {
        return Case{lightingHeat(x[0], x[1]), x[0] * x[1]};
    },
    [](const Inputs& x) {
        const auto group = [](double n, double q) {
            return (n / 2) * q + ((q * 0.85) * n) / 2;
        };
        return Case{occupantHeat(occupantGroupHeat(x[0], x[2]), occupantGroupHeat(x[1], x[2])),
                    group(x[1], x[2]) * 0.75 + group(x[0], x[2])};
    },
    [](const Inputs& x) {
        const double flow = (x[0] * airFlowFactorKgPerM3H) / 3600;
        return Case{infiltrationHeat(x[1], x[2], infiltrationAirFlow(x[0])),
                    ((x[1] - x[2]) * flow) * 1000};
    },
    [](const Inputs& x) {
        const GlassCoefficients glass{x[8], x[9], x[10], x[11]};
        const auto gain = [&x](int at) {
            return x[at] * x[at + 1] * x[8] * x[9] * x[10] * x[11];
        };
        return Case{glazingHeat({{x[0], x[1]}, {x[2], x[3]}, {x[4], x[5]}, {x[6], x[7]}}, glass),
                    std::max(gain(0), gain(2)) + std::max(gain(4), gain(6))};
    },
    [](const Inputs& x) {
        Envelope envelope;
        EnvelopeElement* elements[] = {&envelope.eastWall,  &envelope.westWall, &envelope.southWall,
                                       &envelope.northWall, &envelope.glazing,  &envelope.ceiling,
                                       &envelope.floor,     &envelope.door};
        const double dt = x[24] - x[25];
        double walls = 0;
        for (int i = 0; i < 8; ++i) {
            *elements[i] = {x[3 * i], x[3 * i + 1], x[3 * i + 2]};
            const double q = x[3 * i] * x[3 * i + 1] * x[3 * i + 2] * dt;
            walls = i == 0 ? q : i < 7 ? walls + q : q + walls;
        }
        return Case{envelopeHeat(envelope, x[24], x[25]), walls};
    },
    [](const Inputs& x) {
        const double r = x[6] < 0 ? 789 : 405;
        return Case{roofHeat({{x[0], x[1], x[2]}, {x[3], x[4], x[5]}, x[24], x[25]}, r),
                    flatPart(x, 3, r) + flatPart(x, 0, r)};
    },
    [](const Inputs& x) {
        return Case{floorHeat({x[0], x[1], x[24], x[25]}), std::nullopt};
    },
};

} // namespace

class tst_FormulaWorkings : public QObject {
    Q_OBJECT

private slots:
    void randomRooms_data();
    void randomRooms();
    void readsNamedSteps_data();
    void readsNamedSteps();
    void floorWorkedByHand_data();
    void floorWorkedByHand();
};

void tst_FormulaWorkings::randomRooms_data() {
    QTest::addColumn<int>("formula");
    const char* names[] = {"equipment", "lighting", "occupants", "infiltration",
                           "glazing",   "envelope", "roof",      "floor"};
    for (int formula = 0; formula < static_cast<int>(std::size(formulas)); ++formula)
        QTest::newRow(names[formula]) << formula;
}

void tst_FormulaWorkings::randomRooms() {
    QFETCH(int, formula);
    std::mt19937 random(16 + formula);
    // Tenths, as typed, and now and then a 0, a negative value or many digits.
    std::uniform_int_distribution<int> tenths(-200, 4000);
    std::uniform_int_distribution<int> kind(0, 9);
    for (int room = 0; room < roomsPerFormula; ++room) {
        Inputs x{};
        for (double& value : x) {
            const int k = kind(random);
            value = k == 0 ? 0.0 : k == 1 ? tenths(random) / 7.0 : tenths(random) / 10.0;
        }
        const auto [worked, plain] = formulas[formula](x);
        if (plain)
            QCOMPARE(std::bit_cast<std::uint64_t>(worked.value()),
                     std::bit_cast<std::uint64_t>(*plain));
        QVERIFY2(test::readsAsItsValue(worked), worked.text().c_str());
    }
}

// The reader itself, on steps written by hand: a step that shows another number
// than its expression gives, or a name that could stand for two, is misread.
void tst_FormulaWorkings::readsNamedSteps_data() {
    QTest::addColumn<QString>("steps"); // before a sum of 96
    QTest::addColumn<bool>("reads");
    QTest::newRow("no steps") << "" << true;
    QTest::newRow("a step as written") << "Δt = 34.6 − 25 = 9.6; " << true;
    QTest::newRow("a step showing another number") << "Δt = 34.6 − 25 = 10; " << false;
    QTest::newRow("steps in turn") << "F1 = (6 + 10) × 4 = 64; F2 = 64 − 48 = 16; " << true;
    QTest::newRow("a later step wrong") << "F1 = (6 + 10) × 4 = 64; F2 = 64 − 48 = 18; " << false;
    QTest::newRow("a name given twice") << "F = 1 = 1; F = 2 = 2; " << false;
    QTest::newRow("a step without its number") << "Δt = 34.6 − 25; " << false;
    QTest::newRow("a number for a name") << "9.6 = 34.6 − 25 = 9.6; " << false;
    QTest::newRow("a sum for a number") << "Δt = 34.6 − 25 = 9 + 0.6; " << false;
}

void tst_FormulaWorkings::readsNamedSteps() {
    QFETCH(QString, steps);
    QFETCH(bool, reads);
    QCOMPARE(test::readsAsItsValue(Worked(96.0).after(steps.toStdString())), reads);
}

// Zone I is (length + width) × 4 m², zone II zone I − 48, zone III zone I − 80,
// zone IV the floor + 128 − 3 × zone I, at 0.5, 0.2, 0.1 and 0.07 W/m²K.
void tst_FormulaWorkings::floorWorkedByHand_data() {
    QTest::addColumn<double>("lengthM");
    QTest::addColumn<double>("widthM");
    QTest::addColumn<double>("outdoorC");
    QTest::addColumn<double>("indoorC");
    QTest::addColumn<QString>("names");
    QTest::addColumn<QString>("q8"); // before rounding
    const struct {
        const char* name;
        double lengthM, widthM, outdoorC, indoorC;
        const char *names, *q8;
    } rows[] = {
        {"zone I below 48: the floor", 5, 4, 35, 25,
         "F1 = 36; A = 20; F2 = -12; F3 = -44; F4 = 40; Δt = 10", "100"},
        {"zone I exactly 48: zone I", 7, 5, 35, 25,
         "F1 = 48; A = 35; F2 = 0; F3 = -32; F4 = 19; Δt = 10", "240"},
        {"zones I and II", 10, 6, 35, 25, "F1 = 64; A = 60; F2 = 16; F3 = -16; F4 = -4; Δt = 10",
         "352"},
        {"zone IV exactly 0, no zone III", 8, 8, 35, 25,
         "F1 = 64; A = 64; F2 = 16; F3 = -16; F4 = 0; Δt = 10", "352"},
        {"zone III exactly 0", 12, 8, 35, 25, "F1 = 80; A = 96; F2 = 32; F3 = 0; F4 = -16; Δt = 10",
         "464"},
        {"zones I to III", 15, 10, 35, 25, "F1 = 100; A = 150; F2 = 52; F3 = 20; F4 = -22; Δt = 10",
         "624"},
        {"zone IV exactly 0, zone III too", 16, 16, 35, 25,
         "F1 = 128; A = 256; F2 = 80; F3 = 48; F4 = 0; Δt = 10", "848"},
        {"zones I to IV", 20, 15, 35, 25, "F1 = 140; A = 300; F2 = 92; F3 = 60; F4 = 8; Δt = 10",
         "949.6"},
        {"zone IV, zone III negative", 10, 2.5, 35, 25,
         "F1 = 50; A = 25; F2 = 2; F3 = -30; F4 = 3; Δt = 10", "226.1"},
        {"sample room", 10, 6, 34.6, 25, "F1 = 64; A = 60; F2 = 16; F3 = -16; F4 = -4; Δt = 9.6",
         "337.92"},
        {"warmer inside", 5, 4, 25, 30, "F1 = 36; A = 20; F2 = -12; F3 = -44; F4 = 40; Δt = -5",
         "-50"},
    };
    for (const auto& r : rows)
        QTest::newRow(r.name) << r.lengthM << r.widthM << r.outdoorC << r.indoorC
                              << QString::fromUtf8(r.names) << r.q8;
}

void tst_FormulaWorkings::floorWorkedByHand() {
    QFETCH(double, lengthM);
    QFETCH(double, widthM);
    QFETCH(double, outdoorC);
    QFETCH(double, indoorC);
    QFETCH(QString, names);
    QFETCH(QString, q8);
    const Floor floor{lengthM, widthM, outdoorC, indoorC};
    QCOMPARE(QString::fromStdString(numberText(floorHeatW(floor))), q8);
    const Worked worked = floorHeat(floor);
    QCOMPARE(QString::fromStdString(test::namesOf(worked)), names);
    QVERIFY2(test::readsAsItsValue(worked), worked.text().c_str());
}

QTEST_APPLESS_MAIN(tst_FormulaWorkings)
#include "tst_FormulaWorkings.moc"
