#pragma once

// One whole room worked through as a user would: every calculator opened
// from the main window's list, filled in, computed, and then the totals. The
// figures are the worked examples of each calculator, so that every result,
// and so both totals, is known in advance. The UI tests drive it with the
// mouse or with the keyboard alone; the screenshot tool uses it to show a
// room with every result filled in.

#include "CalculatorInputs.h"

#include <QString>
#include <QStringList>

#include <vector>

class QAbstractButton;

namespace kelvora::ui {
class Kelvora;
}

namespace kelvora::ui::test {

struct CalculatorVisit {
    int entry;           // in the main window's list
    QStringList inputs;  // filled in, in this order
    QStringList results; // "room field=text shown"
};

[[nodiscard]] const std::vector<CalculatorVisit>& sampleRoom();

// What the main window's Tính shows after every visit.
inline constexpr const char* sampleAverageTotalW = "10276";
inline constexpr const char* sampleMaximumTotalW = "10976";

// Picks the entry and fills the calculator in; returns its compute button, or
// nullptr, with the reason in failure, when a control could not be reached.
[[nodiscard]] QAbstractButton* openAndFillIn(Kelvora& room, const CalculatorVisit& calculator,
                                             Input input, QString& failure);

// Carries out one visit: picks the entry, fills the calculator in, computes.
// False, with the reason in failure, when a control could not be reached.
[[nodiscard]] bool visit(Kelvora& room, const CalculatorVisit& calculator, Input input,
                         QString& failure);

// Presses the main window's Tính.
void computeTotals(Kelvora& room, Input input);

// Every visit of the sample room with the mouse, then Tính. False, with the
// reason in failure, when a control could not be reached.
[[nodiscard]] bool computeSampleRoom(Kelvora& room, QString& failure);

} // namespace kelvora::ui::test
