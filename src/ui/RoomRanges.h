#pragma once

// The marks of room values that cannot be, or hardly can: a temperature below
// absolute zero, a humidity beyond 100 %, a negative area. The room fields
// turn amber with a note that says what is wrong and what range makes sense,
// and a result computed with such a value says the same in its own note.
// Nothing is refused or changed: the arithmetic runs with the value as read.

#include "Room.h"
#include "core/Plausibility.h"

#include <QString>

#include <initializer_list>
#include <utility>

class QLineEdit;

namespace kelvora::ui {

// The quantity a room value a calculator reads is.
[[nodiscard]] RoomQuantity quantityOf(RoomValue value);

// What is wrong with the value and what range makes sense; empty when nothing is.
[[nodiscard]] QString implausibleNote(RoomQuantity quantity, double value);

// Marks each field now and whenever its text changes, while the number read
// from it is impossible or implausible for its quantity.
void markImplausible(std::initializer_list<std::pair<QLineEdit*, RoomQuantity>> fields);

} // namespace kelvora::ui
