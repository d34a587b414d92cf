#pragma once

// How the program words numbers and the texts users type, in Vietnamese: one
// place, so that a window's note and the copied report say the same thing of
// the same value. Reading a text here never disturbs a compute under way.

#include "core/Plausibility.h"

#include <QString>

namespace kelvora::room {

// The numeric value of a field's text.
[[nodiscard]] double readNumber(const QString& text);

// A number as a note says it: as a field writes it, or in words where no
// field could hold it (an infinity, NaN), since "inf" is no Vietnamese.
[[nodiscard]] QString numberWords(double value);

// A field's text for a number: as the field writes it, "." as decimal point.
[[nodiscard]] QString numberField(double value);

// A user's text as a note quotes it: whole, or cut short with "…" where it is
// longer than a note line can show.
[[nodiscard]] QString quoted(const QString& text);

// Whether a text that is not empty spells another text than the number it
// reads as: "1,5" (read 1), "60 m2", "1300.0". A copy that carries the number
// read must then say what was written.
[[nodiscard]] bool readsOtherwise(const QString& text);

// Whether the user who typed the text probably meant another number.
[[nodiscard]] bool isMisread(const QString& text);

// What is wrong with the value and what range makes sense; empty when nothing is.
[[nodiscard]] QString implausibleNote(RoomQuantity quantity, double value);

// What real buildings have, where a field's note should say it beside the
// range: what roofs and floors have, for a heat-transfer coefficient.
[[nodiscard]] QString rangeAdvice(RoomQuantity quantity);

// A unit's size as it is sold: "12000 BTU/h (1,5 HP)".
[[nodiscard]] QString unitWords(double btuPerHour, double horsepower);

// "Nhập tay '1,5': đọc được 1": how a text typed reads.
[[nodiscard]] QString reading(const QString& typedAs, const QString& text, double read);

} // namespace kelvora::room
