#pragma once

// How a window reads and writes its fields, and how it tells the user
// something. A compute handler opens a FaultCheck, reads with fieldValue,
// calls a formula of the core library, lets the check pass the result and
// hands it to the room; on a fault the check has already shown its
// message and the handler returns at once, leaving the window open. A
// further formula restarts the check before it reads.

#include "core/ArithmeticFault.h"
#include "room/Words.h"

#include <string_view>

#include <QString>

class QLineEdit;
class QWidget;

namespace kelvora::ui {

// The numeric value of the field's current text.
[[nodiscard]] double fieldValue(const QLineEdit* field);
[[nodiscard]] double fieldValue(const QString& text);

// How notes word numbers and quote what was typed, as the model words them.
using room::numberWords;
using room::quoted;
using room::readsOtherwise;

// A total, written with all the digits a field's text carries.
void writeUnrounded(QLineEdit* field, double value);

// A modal box titled "Kelvora" with one OK button showing the UTF-8 text;
// returns when it is closed.
void showMessage(QWidget* parent, std::string_view text);

class FaultCheck {
public:
    // parent: the window whose handler runs, over which a fault is reported.
    explicit FaultCheck(QWidget* parent);

    // Where the next formula starts, after a write: see FaultWatch::restart.
    void restart();

    // True when nothing went wrong since the handler began or the check
    // restarted; otherwise shows what went wrong and returns false.
    [[nodiscard]] bool passed(double result);

private:
    QWidget* parent_;
    FaultWatch watch_;
};

} // namespace kelvora::ui
