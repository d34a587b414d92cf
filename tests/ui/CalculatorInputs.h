#pragma once

// How every test fills in a calculator, and reads back what it shows. An
// input is "name=text", the text typed into the field of that name, or
// "name#row", the row picked in the list of that name; what a window shows
// is written the same way. The inputs are filled in one after the other, as
// a user does it with the mouse or with the keyboard alone.

#include <QString>
#include <QStringList>

class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace kelvora::ui::test {

// The main window's list entries of the calculators tested one by one.
inline constexpr int occupants = 2;
inline constexpr int infiltration = 3;
inline constexpr int glazingEntry = 4;
inline constexpr int envelopeEntry = 5;
inline constexpr int roof = 6;
inline constexpr int floorEntry = 7;

enum class Input {
    Mouse,    // clicks on fields, list entries and buttons; keys for the texts
    Keyboard, // Tab to each control, arrows in the lists, Space on the buttons
};

// The control's name, and what follows it: the text, or the row's number.
[[nodiscard]] QString nameOf(const QString& input);
[[nodiscard]] QString textOf(const QString& input);

// Fills the calculator in; returns what could not be reached, or a row or a
// text that did not take (a row the list does not have is a typo), or nothing.
[[nodiscard]] QString fillIn(QWidget* calculator, const QStringList& inputs,
                             Input input = Input::Mouse);

// What the window shows for each input, written as the input is: the text of
// the control of that name, or the row picked in the list, -1 for none.
[[nodiscard]] QStringList shownFor(const QWidget* window, const QStringList& inputs);

// False when the keys cannot reach the button.
bool press(QWidget* button, Input input);

// The calculator's Tính, named "tinh" or "cmdtinh".
[[nodiscard]] QPushButton* computeButton(const QWidget* calculator);

[[nodiscard]] QLineEdit* field(const QWidget* calculator, const QString& name);
[[nodiscard]] QListWidget* list(const QWidget* calculator, const QString& name);

} // namespace kelvora::ui::test
