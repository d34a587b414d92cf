#pragma once

// The one rule for arithmetic faults. A compute handler opens a FaultWatch
// before it reads its fields, restarts it where each further formula starts,
// and after each formula asks it whether anything since then overflowed,
// divided by zero or was invalid. The answer comes from the floating-point
// status flags and, as a second witness, from the result itself (an infinity
// or a NaN cannot come out of finite, fault-free arithmetic). On the first
// fault the handler stops: what it wrote before stays, nothing after is
// written.
//
// The formulas live in this library and the checks in their callers, so a
// formula's operations are always finished before its flags are looked at.

#include <cfenv>
#include <string_view>

namespace kelvora {

enum class ArithmeticFault { None, Overflow, ZeroDivide, Invalid };

class FaultWatch {
public:
    // Clears the status flags: only what follows counts.
    FaultWatch();

    // The same, where the next formula starts: whatever ran since the last
    // check (a result written into the room, the slots on its text, Qt's own
    // code) cannot be blamed on that formula.
    void restart();

    // The fault raised since the watch began or restarted, or None.
    [[nodiscard]] ArithmeticFault check(double result) const;
};

// Keeps the floating-point status flags as they stood across work that is
// not a handler's formula, such as reading fields again to tell the user what
// they hold: that work may run in the middle of a compute (a result written
// into the room changes the totals' note), and must neither raise a fault the
// handler would then blame on its own formula nor clear one it raised.
class FlagsKept {
public:
    FlagsKept();
    ~FlagsKept();
    FlagsKept(const FlagsKept&) = delete;
    FlagsKept& operator=(const FlagsKept&) = delete;

private:
    int raised_ = 0; // FE_ flags
};

// The message shown for a fault, in the style of the program's other messages.
[[nodiscard]] std::string_view faultMessage(ArithmeticFault fault);

} // namespace kelvora
