#include "ArithmeticFault.h"

#include <cfenv>
#include <cmath>

namespace kelvora {

namespace {
constexpr int watchedFlags = FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID;
} // namespace

FaultWatch::FaultWatch() {
    restart();
}

void FaultWatch::restart() {
    std::feclearexcept(watchedFlags);
}

ArithmeticFault FaultWatch::check(double result) const {
    const int raised = std::fetestexcept(watchedFlags);
    // An overflow usually drags an invalid operation behind it (inf - inf),
    // so it is named first: it is the cause the user can act on. The result
    // is looked at last, for a fault whose flag something else has cleared.
    ArithmeticFault fault = ArithmeticFault::None;
    if ((raised & FE_OVERFLOW) != 0)
        fault = ArithmeticFault::Overflow;
    else if ((raised & FE_DIVBYZERO) != 0)
        fault = ArithmeticFault::ZeroDivide;
    else if ((raised & FE_INVALID) != 0 || std::isnan(result))
        fault = ArithmeticFault::Invalid;
    else if (std::isinf(result))
        fault = ArithmeticFault::Overflow;
    return fault;
}

// The flags are put back by raising them again, not with fesetexceptflag:
// mingw-w64's clears the whole SSE control register with them, unmasking
// every floating-point exception, so that the next inexact division traps
// and the Windows program dies.
FlagsKept::FlagsKept()
    : raised_(std::fetestexcept(FE_ALL_EXCEPT)) {}

FlagsKept::~FlagsKept() {
    std::feclearexcept(FE_ALL_EXCEPT);
    std::feraiseexcept(raised_);
}

std::string_view faultMessage(ArithmeticFault fault) {
    switch (fault) {
    case ArithmeticFault::Overflow:
        return "Loi tinh toan: so qua lon";
    case ArithmeticFault::ZeroDivide:
        return "Loi tinh toan: chia cho 0";
    case ArithmeticFault::Invalid:
        return "Loi tinh toan: phep tinh khong hop le";
    case ArithmeticFault::None:
        break;
    }
    return {};
}

} // namespace kelvora
