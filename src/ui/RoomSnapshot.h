#pragma once

// Calculators that work with the room's air take its temperatures once, when
// they are created: the texts are copied as they stand, without parsing, and
// from then on the calculator's own fields are the ones its compute reads.
// Later edits in the main window reach it only when it is created again.

class QLineEdit;

namespace kelvora::ui {

class Kelvora;

// Indoor first, then outdoor.
void copyAirTemperatures(const Kelvora& room, QLineEdit* indoor, QLineEdit* outdoor);

} // namespace kelvora::ui
