#pragma once

// What the tests of the occupant, infiltration, roof and floor calculators
// share: the list entries that open them, "name=text" pairs, and the button
// that computes.

#include <QString>

class QPushButton;
class QWidget;

namespace kelvora::ui::test {

inline constexpr int occupants = 2;
inline constexpr int infiltration = 3;
inline constexpr int roof = 6;
inline constexpr int floorEntry = 7;

// "name=text" pairs.
[[nodiscard]] QString nameOf(const QString& pair);
[[nodiscard]] QString textOf(const QString& pair);

// The calculator's Tính, named "tinh" or "cmdtinh".
[[nodiscard]] QPushButton* computeButton(QWidget* calculator);

} // namespace kelvora::ui::test
