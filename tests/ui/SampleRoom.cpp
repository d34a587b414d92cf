#include "SampleRoom.h"

#include "UiDriver.h"
#include "ui/windows/CalculatorWindow.h"
#include "ui/windows/CalculatorWindows.h"
#include "ui/windows/Kelvora.h"

#include <QAbstractButton>
#include <QPushButton>

namespace kelvora::ui::test {

const std::vector<CalculatorVisit>& sampleRoom() {
    static const std::vector<CalculatorVisit> visits = {
        {0, {"txtsomaytinh=4", "txtsomayin=1"}, {"txtQ1=1300"}},
        {1, {"txttieuchuan=11"}, {"txtQ2=660"}},
        {2, {"lstloailaodong#0"}, {"txtQ3=1554"}},
        {3, {"txtthetichphong=180"}, {"txtQ4=3929"}},
        {4,
         {"txtdong=10", "txttay=5", "txtnam=8", "lsthstrongsuot#1", "lsthsbamban#1",
          "lsthskhucxa#1", "lsthstanxa#6"},
         {"txtq5max=1723", "txtQ5=1076"}},
        {5,
         {"txtdtdong=12", "txtdttay=12", "txtdtnam=20", "txtdtbac=20", "txtdtkinh=8",
          "txtdttran=60", "txtdtsan=60", "txtdtcua=4"},
         {"txtQ6=1321"}},
        {6, {"txtdtmaibang=100", "txtdtmaivom=50"}, {"txtq7max=151", "txtQ7=98"}},
        {7, {"txtchieudai=10", "txtchieurong=6"}, {"txtQ8=338"}},
    };
    return visits;
}

namespace {

QString failureIn(const CalculatorVisit& calculator, const QString& why) {
    return QStringLiteral("calculator %1: %2").arg(calculator.entry).arg(why);
}

} // namespace

QAbstractButton* openAndFillIn(Kelvora& room, const CalculatorVisit& calculator, Input input,
                               QString& failure) {
    const auto fail = [&failure, &calculator](const QString& why) -> QAbstractButton* {
        failure = failureIn(calculator, why);
        return nullptr;
    };
    // A window that has just been shown, or that gets the focus back when the
    // calculator in front of it steps aside, is activated by the window
    // manager; the offscreen platform has none, and a window manager may hand
    // the focus elsewhere, so the keys' user does what anyone would: click it.
    if (input == Input::Keyboard && !activate(&room))
        return fail(QStringLiteral("the main window did not come forward"));
    if (!fillIn(&room, {QStringLiteral("loaiQ#%1").arg(calculator.entry)}, input).isEmpty())
        return fail(QStringLiteral("entry %1 of the component list").arg(calculator.entry));
    QWidget* window = room.calculators().window(calculator.entry);
    if (window == nullptr || !waitUntilShown(window))
        return fail(QStringLiteral("did not appear"));
    if (input == Input::Keyboard && !activate(window))
        return fail(QStringLiteral("did not come forward"));
    if (const QString unreached = fillIn(window, calculator.inputs, input); !unreached.isEmpty())
        return fail(unreached);
    QPushButton* button = computeButton(window);
    if (button == nullptr || !button->isEnabled())
        return fail(QStringLiteral("its compute button"));
    return button;
}

bool visit(Kelvora& room, const CalculatorVisit& calculator, Input input, QString& failure) {
    QAbstractButton* button = openAndFillIn(room, calculator, input, failure);
    if (button == nullptr)
        return false;
    if (!press(button, input)) {
        failure = failureIn(calculator, QStringLiteral("the compute button out of reach"));
        return false;
    }
    return true;
}

void computeTotals(Kelvora& room, Input input) {
    // Keys reach only the active window: without it the totals stay as they
    // were, which the caller's check of them reports.
    if (input == Input::Keyboard && !activate(&room))
        return;
    press(room.tinh, input);
}

bool computeSampleRoom(Kelvora& room, QString& failure) {
    for (const CalculatorVisit& calculator : sampleRoom())
        if (!visit(room, calculator, Input::Mouse, failure))
            return false;
    computeTotals(room, Input::Mouse);
    return true;
}

} // namespace kelvora::ui::test
