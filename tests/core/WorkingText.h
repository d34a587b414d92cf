#pragma once

// A working read back as its reader would read it: each named step
// "NAME = expression = number; " must give the number it names, each name once,
// and what follows the last step is evaluated with the usual precedence, left
// to right, parentheses first. It knows nothing of the formulas, so a working
// that shows other numbers or another order than its result was computed with
// reads as another result.

#include "core/Worked.h"

#include <string>

namespace kelvora::test {

// Whether the working, read back, gives the value it came with, and each of
// its steps the number it names. Its numbers are written with 15 significant
// digits, so the two may part in the last digits, never more.
[[nodiscard]] bool readsAsItsValue(const Worked& worked);

// The working's named steps as "NAME = number", joined by "; ": what the
// reader is told each name stands for, without how it came about.
[[nodiscard]] std::string namesOf(const Worked& worked);

} // namespace kelvora::test
