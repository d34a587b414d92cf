// Each formula against the plain expression it was before it had a working, on
// random rooms: the same double to the bit, and a working that reads back as it.

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
#include <random>

using namespace kelvora;

namespace {

constexpr int roomsPerFormula = 300;
using Inputs = std::array<double, 26>;
// A formula with its working, and the plain expression it must equal.
using Case = std::pair<Worked, double>;

double flatPart(const Inputs& x, int at, double r) {
    return (x[at] * x[at + 1]) * 0.78 * ((x[24] + (x[at + 2] * r) / 17.6) - x[25]);
}

double floorOf(double l, double w, double dt) {
    const double z1 = (w + l) * 4, a = w * l, z2 = z1 - 48, z3 = z1 - 80, z4 = a + 128 - z1 * 3;
    double q = 0;
    if (z1 < 48)
        q = dt * (a * 0.5);
    if (z1 == 48)
        q = dt * (z1 * 0.5);
    if (z1 > 48 && z2 > 0 && z3 <= 0)
        q = (z2 * 0.2 + z1 * 0.5) * dt;
    if (z1 > 48 && z3 > 0 && z4 <= 0)
        q = (z2 * 0.2 + z1 * 0.5 + z3 * 0.1) * dt;
    if (z1 > 48 && z4 > 0)
        q = (z2 * 0.2 + z1 * 0.5 + z3 * 0.1 + z4 * 0.07) * dt;
    return q;
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
        return Case{floorHeat({x[0], x[1], x[24], x[25]}), floorOf(x[0], x[1], x[24] - x[25])};
    },
};

} // namespace

class tst_FormulaWorkings : public QObject {
    Q_OBJECT

private slots:
    void randomRooms_data();
    void randomRooms();
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
        QCOMPARE(std::bit_cast<std::uint64_t>(worked.value()), std::bit_cast<std::uint64_t>(plain));
        QVERIFY2(test::readsAsItsValue(worked), worked.text().c_str());
    }
}

QTEST_APPLESS_MAIN(tst_FormulaWorkings)
#include "tst_FormulaWorkings.moc"
