// The glazing and envelope formulas: the worked examples of both windows, the
// signed comparison of the facades, the order of the products and sums, and
// the single rounding of each result.

#include "core/ArithmeticFault.h"
#include "core/EnvelopeHeat.h"
#include "core/FieldText.h"
#include "core/GlazingHeat.h"
#include "core/WorkingText.h"

#include <QTest>

#include <array>

using namespace kelvora;

Q_DECLARE_METATYPE(kelvora::GlassCoefficients)
Q_DECLARE_METATYPE(kelvora::MainFacades)
Q_DECLARE_METATYPE(kelvora::Envelope)

namespace {

QString shown(double resultW) {
    return QString::fromStdString(numberText(roundHalfEven(resultW, 0)));
}

// Glass areas east, west, south, north with the intensities of a new window.
MainFacades peakFacades(double east, double west, double south, double north) {
    return {{east, 634}, {west, 634}, {south, 454}, {north, 231}};
}

MainFacades averageFacades(double east, double west, double south, double north) {
    return {{east, 432}, {west, 431}, {south, 238}, {north, 125}};
}

constexpr GlassCoefficients workedGlass = {0.9, 0.8, 0.4, 0.6};
constexpr GlassCoefficients clearOpening = {1, 1, 1, 1};

// The areas of the eight elements with the coefficients of a new window.
Envelope envelopeOf(const std::array<double, 8>& areasM2) {
    const auto wall = [](double areaM2) {
        return EnvelopeElement{areaM2, 2.1, 0.7};
    };
    return {wall(areasM2[0]),         wall(areasM2[1]),        wall(areasM2[2]),
            wall(areasM2[3]),         {areasM2[4], 6.33, 0.7}, {areasM2[5], 0.038, 0.7},
            {areasM2[6], 0.038, 0.7}, {areasM2[7], 1.76, 0.7}};
}

// A new room's air: 34.6 °C outside, 25 °C inside.
constexpr double roomOutdoorC = 34.6;
constexpr double roomIndoorC = 25;

} // namespace

class tst_GridFormulas : public QObject {
    Q_OBJECT

private slots:
    void glazingHeat_data();
    void glazingHeat();
    void envelopeHeat_data();
    void envelopeHeat();
    void overflowIsAFault_data();
    void overflowIsAFault();
};

void tst_GridFormulas::glazingHeat_data() {
    QTest::addColumn<MainFacades>("facades");
    QTest::addColumn<GlassCoefficients>("glass");
    QTest::addColumn<QString>("q5");

    QTest::newRow("worked peak") << peakFacades(10, 5, 8, 0) << workedGlass << "1723";
    QTest::newRow("worked average") << averageFacades(10, 5, 8, 0) << workedGlass << "1076";
    QTest::newRow("clear, peak") << peakFacades(2, 3, 4, 6) << clearOpening << "3718";
    QTest::newRow("clear, average") << averageFacades(2, 3, 4, 6) << clearOpening << "2245";
    QTest::newRow("north beats south") << peakFacades(0, 0, 1, 3) << clearOpening << "693";
    QTest::newRow("nothing typed") << peakFacades(0, 0, 0, 0) << workedGlass << "0";
    QTest::newRow("no transparency")
        << peakFacades(10, 5, 8, 2) << GlassCoefficients{0, 0.8, 0.4, 0.6} << "0";
    // Signed: a negative east loses to a west of 0, and of two negatives the
    // one nearer 0 is taken, not the larger magnitude.
    QTest::newRow("negative east, no west") << peakFacades(-10, 0, 0, 0) << clearOpening << "0";
    QTest::newRow("both negative") << peakFacades(-10, -5, 0, 0) << clearOpening << "-3170";
    QTest::newRow("negative coefficient")
        << peakFacades(1, 1, 1, 1) << GlassCoefficients{1, 1, 1, -1} << "-865";
    // One rounding of the sum: 0.4 + 0.4 W shows as 1, not as 0 + 0.
    QTest::newRow("rounded once") << MainFacades{{0.4, 1}, {0, 1}, {0.4, 1}, {0, 1}} << clearOpening
                                  << "1";
    QTest::newRow("tie to even, down")
        << MainFacades{{2.5, 1}, {0, 1}, {0, 1}, {0, 1}} << clearOpening << "2";
    QTest::newRow("tie to even, up")
        << MainFacades{{3.5, 1}, {0, 1}, {0, 1}, {0, 1}} << clearOpening << "4";
}

void tst_GridFormulas::glazingHeat() {
    QFETCH(MainFacades, facades);
    QFETCH(GlassCoefficients, glass);
    QFETCH(QString, q5);
    QCOMPARE(shown(glazingHeatW(facades, glass)), q5);
    QVERIFY2(test::readsAsItsValue(kelvora::glazingHeat(facades, glass)),
             kelvora::glazingHeat(facades, glass).text().c_str());
}

void tst_GridFormulas::envelopeHeat_data() {
    QTest::addColumn<Envelope>("envelope");
    QTest::addColumn<double>("outdoorC");
    QTest::addColumn<double>("indoorC");
    QTest::addColumn<QString>("q6");

    const auto row = [](const char* name, const std::array<double, 8>& areasM2, const char* q6) {
        QTest::newRow(name) << envelopeOf(areasM2) << roomOutdoorC << roomIndoorC << q6;
    };
    row("nothing typed", {}, "0");
    row("east wall", {10, 0, 0, 0, 0, 0, 0, 0}, "141");
    row("glazing", {0, 0, 0, 0, 5, 0, 0, 0}, "213");
    row("door", {0, 0, 0, 0, 0, 0, 0, 2}, "24");
    row("rounded once", {10, 0, 0, 0, 5, 0, 0, 2}, "377");
    row("whole room", {12, 12, 20, 20, 8, 60, 60, 4}, "1321");
    row("ceiling and floor", {0, 0, 0, 0, 0, 60, 60, 0}, "31");
    row("negative area", {-10, 0, 0, 0, 0, 0, 0, 0}, "-141");

    const Envelope east5 = envelopeOf({5, 0, 0, 0, 0, 0, 0, 0});
    const Envelope east10 = envelopeOf({10, 0, 0, 0, 0, 0, 0, 0});
    QTest::newRow("10 K, tie up") << east5 << 35.0 << 25.0 << "74";
    QTest::newRow("warmer inside") << east10 << 25.0 << 30.0 << "-74";
    QTest::newRow("indoor emptied") << east10 << 34.6 << 0.0 << "509";
    QTest::newRow("outdoor 35") << east10 << 35.0 << 25.0 << "147";
    Envelope bare = envelopeOf({2.5, 0, 0, 0, 0, 0, 0, 0});
    bare.eastWall = {2.5, 1, 1};
    QTest::newRow("tie down") << bare << 34.0 << 25.0 << "22";

    // Left to right, the door last: 1E+16 swallows the six ones before the
    // door takes it away again.
    Envelope order;
    for (EnvelopeElement* element : {&order.westWall, &order.southWall, &order.northWall,
                                     &order.glazing, &order.ceiling, &order.floor})
        *element = {1, 1, 1};
    order.eastWall = {1e16, 1, 1};
    order.door = {-1e16, 1, 1};
    QTest::newRow("order of the sum") << order << 1.0 << 0.0 << "0";
}

void tst_GridFormulas::envelopeHeat() {
    QFETCH(Envelope, envelope);
    QFETCH(double, outdoorC);
    QFETCH(double, indoorC);
    QFETCH(QString, q6);
    QCOMPARE(shown(envelopeHeatW(envelope, outdoorC, indoorC)), q6);
    const Worked worked = kelvora::envelopeHeat(envelope, outdoorC, indoorC);
    QVERIFY2(test::readsAsItsValue(worked), worked.text().c_str());
}

void tst_GridFormulas::overflowIsAFault_data() {
    QTest::addColumn<bool>("glazing"); // false: the envelope
    QTest::addColumn<double>("areaM2");
    QTest::addColumn<double>("intensityOrTransfer");
    QTest::addColumn<double>("coefficient"); // τ, or the temperature-difference coefficient

    QTest::newRow("glazing 1E200 x 1E200") << true << 1e200 << 1e200 << 1.0;
    // Multiplied left to right, A × I overflows before τ could bring it back.
    QTest::newRow("glazing, left to right") << true << 1e200 << 1e200 << 1e-200;
    QTest::newRow("envelope area 1E300") << false << 1e300 << 2.1 << 0.7;
    QTest::newRow("envelope, left to right") << false << 1e200 << 1e200 << 1e-200;
}

void tst_GridFormulas::overflowIsAFault() {
    QFETCH(bool, glazing);
    QFETCH(double, areaM2);
    QFETCH(double, intensityOrTransfer);
    QFETCH(double, coefficient);
    FaultWatch watch;
    double resultW = 0;
    if (glazing) {
        resultW = glazingHeatW({{areaM2, intensityOrTransfer}, {}, {}, {}}, {coefficient, 1, 1, 1});
    } else {
        Envelope envelope;
        envelope.eastWall = {areaM2, intensityOrTransfer, coefficient};
        resultW = envelopeHeatW(envelope, 1e100, 0);
    }
    QCOMPARE(watch.check(resultW), ArithmeticFault::Overflow);
}

QTEST_APPLESS_MAIN(tst_GridFormulas)
#include "tst_GridFormulas.moc"
