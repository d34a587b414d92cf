#pragma once

// A working read back as its reader would read it: the named steps before the
// last "; " only name numbers that reappear after it, and what follows is
// evaluated with the usual precedence, left to right, parentheses first. It
// knows nothing of the formulas, so a working that shows other numbers or
// another order than its result was computed with reads as another result.

#include "core/Worked.h"

namespace kelvora::test {

// Whether the working, read back, gives the value it came with. Its numbers
// are written with 15 significant digits, so the two may part in the last
// digits, never more.
[[nodiscard]] bool readsAsItsValue(const Worked& worked);

} // namespace kelvora::test
