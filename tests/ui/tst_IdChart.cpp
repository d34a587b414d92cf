// The air filled in on request and drawn on the I-d chart, as a user meets
// them: the fill by mouse and by its Alt key, Ctrl+Z after it, the button
// off with its reason, a result left out of date; the chart's points read
// off its own scales, and the chart following a field. What a fill writes is
// checked against the steam tables in tst_RoomModel.

#include "SampleRoom.h"
#include "UiDriver.h"
#include "core/MoistAir.h"
#include "room/RoomModel.h"
#include "ui/IdChart.h"
#include "ui/notes/FieldNotes.h"
#include "ui/windows/Kelvora.h"
#include "ui/windows/frmIdChart.h"

#include <QAccessible>
#include <QLineEdit>
#include <QPoint>
#include <QPushButton>
#include <QRect>
#include <QScreen>
#include <QTest>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

using namespace kelvora::ui;
using namespace kelvora::ui::test;

namespace {

// How long a button pressed by its Alt key is drawn pressed before it acts.
constexpr int shortcutPressMs = 300;

// A value read off the chart as its reader does: between the two labelled
// ticks around the pixel, in proportion.
std::optional<double> readOff(const IdChart& chart, Qt::Orientation axis, double pixel) {
    std::vector<IdChart::Tick> ticks;
    for (const IdChart::Tick& tick : chart.ticks())
        if (tick.axis == axis)
            ticks.push_back(tick);
    for (std::size_t i = 1; i < ticks.size(); ++i) {
        const IdChart::Tick& a = ticks[i - 1];
        const IdChart::Tick& b = ticks[i];
        if ((pixel - a.pixel) * (pixel - b.pixel) <= 0)
            return a.value + (pixel - a.pixel) / (b.pixel - a.pixel) * (b.value - a.value);
    }
    return std::nullopt;
}

std::optional<QPointF> markAt(const IdChart& chart, const QString& label) {
    for (const IdChart::Mark& mark : chart.marks())
        if (mark.label == label)
            return mark.at;
    return std::nullopt;
}

// How far one pixel goes along the axis, in its unit.
double pixelWorth(const IdChart& chart, Qt::Orientation axis) {
    std::vector<IdChart::Tick> ticks;
    for (const IdChart::Tick& tick : chart.ticks())
        if (tick.axis == axis)
            ticks.push_back(tick);
    return std::abs((ticks[1].value - ticks[0].value) / (ticks[1].pixel - ticks[0].pixel));
}

} // namespace

class tst_IdChart : public SessionTest {
    Q_OBJECT

private slots:
    void fillsOnRequest_data();
    void fillsOnRequest();
    void fillRefusedSaysWhy();
    void fillLeavesResultsOutOfDate();
    void pointsReadAsTheAirFunctions_data();
    void pointsReadAsTheAirFunctions();
    void followsTheFields();
    void opensBesideTheMainWindow();

private:
    IdChart* openChart() {
        clickButton(window->cmdbieudo);
        frmIdChart* chart = window->chart();
        return chart != nullptr && waitUntilShown(chart) ? chart->picIdChart : nullptr;
    }
};

void tst_IdChart::fillsOnRequest_data() {
    QTest::addColumn<bool>("outdoor");
    QTest::addColumn<bool>("byKey"); // Alt and the button's letter, else the mouse
    for (const bool outdoor : {true, false})
        for (const bool byKey : {false, true})
            QTest::addRow("%s, %s", outdoor ? "outdoor" : "indoor", byKey ? "Alt key" : "mouse")
                << outdoor << byKey;
}

// 25 °C and 65 %, on either side: 12.909 g/kg and 58.0367 kJ/kg; the other
// side keeps what it held, and Ctrl+Z in a field gives back its text.
void tst_IdChart::fillsOnRequest() {
    QFETCH(bool, outdoor);
    QFETCH(bool, byKey);
    QLineEdit* temperature = outdoor ? window->txtnhietdongoai : window->txtnhietdotrong;
    QLineEdit* humidity = outdoor ? window->txtdoamngoai : window->txtdoamtrong;
    QLineEdit* moisture = outdoor ? window->txtdungamngoai : window->txtdungamtrong;
    QLineEdit* enthalpy = outdoor ? window->txtenthanpyngoai : window->txtenthanpytrong;
    QLineEdit* otherMoisture = outdoor ? window->txtdungamtrong : window->txtdungamngoai;
    retype(temperature, QStringLiteral("25"));
    retype(humidity, QStringLiteral("65"));
    const QString moistureBefore = moisture->text();
    const QString enthalpyBefore = enthalpy->text();
    const QString otherBefore = otherMoisture->text();

    if (byKey) {
        QVERIFY(activate(window));
        QTest::keyClick(humidity, outdoor ? Qt::Key_N : Qt::Key_T, Qt::AltModifier);
    } else
        clickButton(outdoor ? window->cmddienngoai : window->cmddientrong);
    // A button's Alt key presses it as the mouse does, the press drawn a moment.
    QTRY_COMPARE(moisture->text(), QStringLiteral("12.909"));
    QCOMPARE(enthalpy->text(), QStringLiteral("58.0367"));
    QCOMPARE(otherMoisture->text(), otherBefore);
    QVERIFY2(warnings(moisture).isEmpty(), qPrintable(warnings(moisture).join('\n')));
    QVERIFY2(warnings(enthalpy).isEmpty(), qPrintable(warnings(enthalpy).join('\n')));

    for (const auto& [field, before] :
         {std::pair{moisture, moistureBefore}, std::pair{enthalpy, enthalpyBefore}}) {
        QTest::mouseClick(field, Qt::LeftButton);
        QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(field->text(), before);
    }
    const kelvora::room::AirValues values = kelvora::room::airValues(
        outdoor ? kelvora::room::AirSide::Outdoor : kelvora::room::AirSide::Indoor);
    QCOMPARE(window->model().text(values.moistureGPerKg), moistureBefore);
}

// An empty humidity turns the button off, which says why, as does the
// field's note; typing it back turns it on.
void tst_IdChart::fillRefusedSaysWhy() {
    const QString why = QStringLiteral("Không điền được: độ ẩm trống");
    retype(window->txtdoamtrong, QString());
    QVERIFY(!window->cmddientrong->isEnabled());
    QVERIFY(window->cmddienngoai->isEnabled());
    QVERIFY2(window->cmddientrong->toolTip().contains(why),
             qPrintable(window->cmddientrong->toolTip()));
    QVERIFY(QAccessible::queryAccessibleInterface(window->cmddientrong)
                ->text(QAccessible::Description)
                .contains(why));
    QVERIFY(window->txtdungamtrong->toolTip().contains(why));
    const QString before = window->txtdungamtrong->text();
    QVERIFY(activate(window));
    // The Alt key, the button off, shows the reason and types nothing.
    QTest::keyClick(window->txtdoamtrong, Qt::Key_T, Qt::AltModifier);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), why);
    QTest::qWait(shortcutPressMs);
    QCOMPARE(window->txtdungamtrong->text(), before);
    QCOMPARE(window->txtdoamtrong->text(), QString());

    typeKeys(window->txtdoamtrong, QStringLiteral("65"));
    QCOMPARE(window->txtdoamtrong->text(), QStringLiteral("65"));
    QVERIFY(window->cmddientrong->isEnabled());
    QVERIFY(window->txtdungamtrong->toolTip().contains(QStringLiteral("(Alt+T)")));
}

// Q4 reads both enthalpies: filling one in leaves it out of date.
void tst_IdChart::fillLeavesResultsOutOfDate() {
    QString failure;
    QVERIFY2(computeSampleRoom(*window, failure), qPrintable(failure));
    QVERIFY(!warnings(window->txtQ4).join('\n').contains(QStringLiteral("Chưa tính lại")));
    clickButton(window->cmddientrong);
    QVERIFY2(warnings(window->txtQ4)
                 .join('\n')
                 .contains(QStringLiteral(
                     "Chưa tính lại: enthalpy trong phòng tính với 57.9914, cửa sổ chính hiện "
                     "ghi 58.0367")),
             qPrintable(warnings(window->txtQ4).join('\n')));
    QVERIFY(!warnings(window->txtQ1).join('\n').contains(QStringLiteral("Chưa tính lại")));
}

void tst_IdChart::pointsReadAsTheAirFunctions_data() {
    QTest::addColumn<QString>("temperatureC");
    QTest::addColumn<QString>("humidityPercent");
    QTest::addColumn<QString>("moistureGPerKg"); // typed, far from the check
    QTest::newRow("25 °C, 65 %") << "25"
                                 << "65"
                                 << "5";
    QTest::newRow("saturated at 30 °C") << "30"
                                        << "100"
                                        << "10";
    QTest::newRow("dry at 12 °C") << "12"
                                  << "10"
                                  << "9";
    QTest::newRow("43 °C, 50 %, beyond the usual range") << "43"
                                                         << "50"
                                                         << "20";
}

// The indoor air where its humidity puts it, read off the chart's scales,
// is what the moist-air functions give, to a pixel.
void tst_IdChart::pointsReadAsTheAirFunctions() {
    QFETCH(QString, temperatureC);
    QFETCH(QString, humidityPercent);
    QFETCH(QString, moistureGPerKg);
    retype(window->txtnhietdotrong, temperatureC);
    retype(window->txtdoamtrong, humidityPercent);
    retype(window->txtdungamtrong, moistureGPerKg);
    const IdChart* chart = openChart();
    QVERIFY(chart != nullptr);
    const std::optional<QPointF> check = markAt(*chart, QStringLiteral("trong (theo t, φ)"));
    const std::optional<QPointF> typed = markAt(*chart, QStringLiteral("trong"));
    QVERIFY(check && typed);

    const double t = temperatureC.toDouble();
    const double expected =
        kelvora::moistureContentGPerKg(t, humidityPercent.toDouble()).value_or(-1);
    const double alongWorth = pixelWorth(*chart, Qt::Horizontal);
    const double upWorth = pixelWorth(*chart, Qt::Vertical);
    QVERIFY(std::abs(readOff(*chart, Qt::Horizontal, check->x()).value_or(-1) - expected) <=
            alongWorth);
    QVERIFY(std::abs(readOff(*chart, Qt::Vertical, check->y()).value_or(-99) - t) <= upWorth);
    QVERIFY(std::abs(readOff(*chart, Qt::Horizontal, typed->x()).value_or(-1) -
                     moistureGPerKg.toDouble()) <= alongWorth);
    QVERIFY(std::abs(readOff(*chart, Qt::Vertical, typed->y()).value_or(-99) - t) <= upWorth);
}

// Typing a temperature moves the point and changes the words, the chart open.
void tst_IdChart::followsTheFields() {
    const IdChart* chart = openChart();
    QVERIFY(chart != nullptr);
    const std::optional<QPointF> before = markAt(*chart, QStringLiteral("trong"));
    QVERIFY(before);
    QVERIFY(markAt(*chart, QStringLiteral("ngoài")));
    QVERIFY(!markAt(*chart, QStringLiteral("trong (theo t, φ)")));

    retype(window->txtnhietdotrong, QStringLiteral("30"));
    const std::optional<QPointF> after = markAt(*chart, QStringLiteral("trong"));
    QVERIFY(after);
    QCOMPARE(after->x(), before->x());
    QVERIFY(std::abs(readOff(*chart, Qt::Vertical, after->y()).value_or(-99) - 30.0) <=
            pixelWorth(*chart, Qt::Vertical));
    const QString description =
        QAccessible::queryAccessibleInterface(window->chart())->text(QAccessible::Description);
    QVERIFY2(description.contains(QStringLiteral("Trong phòng: 30 °C, độ ẩm 65 %")),
             qPrintable(description));
    // 30 °C at 65 % holds 17.4 g/kg, not the 12.873 typed: the check's point appears.
    QVERIFY(markAt(*chart, QStringLiteral("trong (theo t, φ)")));
    QVERIFY(description.contains(QStringLiteral("theo nhiệt độ và độ ẩm, dung ẩm")));
}

// Like a calculator: beside the main window where the screen has room, and
// where the user puts it once moved; the close box ends it, and the button
// makes it anew.
void tst_IdChart::opensBesideTheMainWindow() {
    const QRect screen = window->screen()->availableGeometry();
    window->move(screen.topLeft() + QPoint(screen.width() / 8, screen.height() / 5));
    QTRY_COMPARE(window->pos(), screen.topLeft() + QPoint(screen.width() / 8, screen.height() / 5));
    QVERIFY(openChart() != nullptr);
    QWidget* chart = window->chart();
    const QRect main = frameOf(window);
    QTRY_VERIFY(screen.contains(frameOf(chart)));
    const QRect at = frameOf(chart);
    if (main.right() + at.width() <= screen.right() || main.left() - at.width() >= screen.left()) {
        QVERIFY(!at.intersects(main));
        QCOMPARE(at.top(), main.top());
    }
    QCOMPARE(QAccessible::queryAccessibleInterface(chart)->role(), QAccessible::Dialog);

    const QPoint moved = screen.topLeft() + QPoint(10, 10);
    QVERIFY(moveAsUser(chart, moved));
    clickButton(window->cmdbieudo);
    QTRY_COMPARE(frameOf(chart).topLeft(), moved);
    closeBox(chart);
    QTRY_VERIFY(window->chart() == nullptr);
    QVERIFY(openChart() != nullptr);
}

QTEST_MAIN(tst_IdChart)
#include "tst_IdChart.moc"
