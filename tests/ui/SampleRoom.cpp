#include "SampleRoom.h"

#include "UiDriver.h"
#include "ui/CalculatorWindow.h"
#include "ui/ComponentTable.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace kelvora::ui::test {

namespace {

// More presses than any window has controls: a control not reached by then
// is not in the window's focus chain.
constexpr int maxTabPresses = 64;

bool tabTo(QWidget* target) {
    for (int press = 0; press < maxTabPresses; ++press) {
        QWidget* focused = QApplication::focusWidget();
        if (focused == target)
            return true;
        QTest::keyClick(focused != nullptr ? focused : target->window(), Qt::Key_Tab);
    }
    return false;
}

bool pick(QListWidget* list, int row, Input input) {
    if (input == Input::Mouse) {
        clickEntry(list, row);
        return true;
    }
    if (!tabTo(list))
        return false;
    const Qt::Key step = row > list->currentRow() ? Qt::Key_Down : Qt::Key_Up;
    while (list->currentRow() != row) {
        const int before = list->currentRow();
        QTest::keyClick(list, step);
        if (list->currentRow() == before)
            return false;
    }
    return true;
}

bool type(QLineEdit* field, const QString& text, Input input) {
    if (input == Input::Mouse) {
        QTest::mouseClick(field, Qt::LeftButton);
        retype(field, text);
        return true;
    }
    if (!tabTo(field))
        return false;
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    typeKeys(field, text);
    return true;
}

bool press(QWidget* button, Input input) {
    if (input == Input::Mouse) {
        clickButton(button);
        return true;
    }
    if (!tabTo(button))
        return false;
    QTest::keyClick(button, Qt::Key_Space);
    return true;
}

template <class Control> Control* control(QWidget* window, const char* name) {
    return window->findChild<Control*>(QString::fromLatin1(name));
}

} // namespace

const std::vector<CalculatorVisit>& sampleRoom() {
    static const std::vector<CalculatorVisit> visits = {
        {0, {{"txtsomaytinh", "4"}, {"txtsomayin", "1"}}, {}, "cmdtinh", {{"txtQ1", "1300"}}},
        {1, {{"txttieuchuan", "11"}}, {}, "tinh", {{"txtQ2", "660"}}},
        {2, {}, {{"lstloailaodong", 0}}, "tinh", {{"txtQ3", "1554"}}},
        {3, {{"txtthetichphong", "180"}}, {}, "tinh", {{"txtQ4", "3929"}}},
        {4,
         {{"txtdong", "10"}, {"txttay", "5"}, {"txtnam", "8"}},
         {{"lsthstrongsuot", 1}, {"lsthsbamban", 1}, {"lsthskhucxa", 1}, {"lsthstanxa", 6}},
         "tinh",
         {{"txtq5max", "1723"}, {"txtQ5", "1076"}}},
        {5,
         {{"txtdtdong", "12"},
          {"txtdttay", "12"},
          {"txtdtnam", "20"},
          {"txtdtbac", "20"},
          {"txtdtkinh", "8"},
          {"txtdttran", "60"},
          {"txtdtsan", "60"},
          {"txtdtcua", "4"}},
         {},
         "cmdtinh",
         {{"txtQ6", "1321"}}},
        {6,
         {{"txtdtmaibang", "100"}, {"txtdtmaivom", "50"}},
         {},
         "cmdtinh",
         {{"txtq7max", "151"}, {"txtQ7", "98"}}},
        {7, {{"txtchieudai", "10"}, {"txtchieurong", "6"}}, {}, "tinh", {{"txtQ8", "338"}}},
    };
    return visits;
}

namespace {

QString failureIn(const CalculatorVisit& calculator, const QString& why) {
    return QStringLiteral("calculator %1: %2").arg(calculator.entry).arg(why);
}

} // namespace

QAbstractButton* fillIn(Kelvora& room, const CalculatorVisit& calculator, Input input,
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
    if (!pick(room.loaiQ, calculator.entry, input))
        return fail(QStringLiteral("entry %1 of the component list").arg(calculator.entry));
    QWidget* window = room.calculators().window(calculator.entry);
    if (window == nullptr || !waitUntilShown(window))
        return fail(QStringLiteral("did not appear"));
    if (input == Input::Keyboard && !activate(window))
        return fail(QStringLiteral("did not come forward"));

    for (const auto& [name, text] : calculator.typed) {
        auto* field = control<QLineEdit>(window, name);
        if (field == nullptr || !type(field, text, input))
            return fail(QStringLiteral("field %1").arg(QLatin1String(name)));
    }
    for (const auto& [name, row] : calculator.picked) {
        auto* list = control<QListWidget>(window, name);
        if (list == nullptr || !pick(list, row, input))
            return fail(QStringLiteral("list %1, row %2").arg(QLatin1String(name)).arg(row));
    }
    auto* button = control<QAbstractButton>(window, calculator.computeButton);
    if (button == nullptr || !button->isEnabled())
        return fail(QStringLiteral("button %1").arg(QLatin1String(calculator.computeButton)));
    return button;
}

bool visit(Kelvora& room, const CalculatorVisit& calculator, Input input, QString& failure) {
    QAbstractButton* button = fillIn(room, calculator, input, failure);
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

} // namespace kelvora::ui::test
