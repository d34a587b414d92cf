#include "Worked.h"

#include "ArithmeticFault.h"
#include "FieldText.h"

#include <utility>

namespace kelvora {

namespace {

// Writing the working runs in the middle of a formula, before its fault
// check: it must leave the status flags as the arithmetic left them.
std::string textOf(double value) {
    const FlagsKept flags;
    return numberText(value);
}

} // namespace

Worked::Worked(double value)
    : Worked(value, textOf(value), Form::Number) {}

Worked::Worked(double value, std::string text, Form form)
    : value_(value)
    , text_(std::move(text))
    , form_(form) {}

Worked Worked::combine(double value, const Worked& a, const char* op, const Worked& b, Form form) {
    const auto rankOf = [](Form f) {
        return f == Form::Sum ? 1 : (f == Form::Product || f == Form::Quotient) ? 2 : 3;
    };
    const int opRank = rankOf(form);
    // The left operand is evaluated first, so it needs parentheses only when it
    // binds less tightly, or when it mixes × with / (which readers group
    // differently); the right one whenever it does not bind more tightly.
    const bool leftMixes = opRank == 2 && rankOf(a.form_) == 2 && a.form_ != form;
    const bool wrapLeft = rankOf(a.form_) < opRank || leftMixes;
    // A negative number after an operator is wrapped too: "34.6 − (-5)".
    const bool wrapRight = rankOf(b.form_) <= opRank || (b.form_ == Form::Number && b.value_ < 0);
    std::string text;
    text.reserve(a.text_.size() + b.text_.size() + 8);
    text += wrapLeft ? "(" + a.text_ + ")" : a.text_;
    text += op;
    text += wrapRight ? "(" + b.text_ + ")" : b.text_;
    return {value, std::move(text), form};
}

Worked operator+(const Worked& a, const Worked& b) {
    return Worked::combine(a.value_ + b.value_, a, " + ", b, Worked::Form::Sum);
}

Worked operator-(const Worked& a, const Worked& b) {
    return Worked::combine(a.value_ - b.value_, a, " − ", b, Worked::Form::Sum);
}

Worked operator*(const Worked& a, const Worked& b) {
    return Worked::combine(a.value_ * b.value_, a, " × ", b, Worked::Form::Product);
}

Worked operator/(const Worked& a, const Worked& b) {
    return Worked::combine(a.value_ / b.value_, a, " / ", b, Worked::Form::Quotient);
}

Worked larger(const Worked& a, const Worked& b) {
    return {a.value_ < b.value_ ? b.value_ : a.value_, "max(" + a.text_ + ", " + b.text_ + ")",
            Worked::Form::Call};
}

Worked Worked::named(const std::string& name, std::string& steps) const {
    Worked settled(value_);
    steps += name + " = " + text_ + " = " + settled.text_ + "; ";
    return settled;
}

Worked Worked::after(const std::string& steps) const {
    return {value_, steps + text_, form_};
}

Worked Worked::addedUp(std::span<const double> termsW) {
    // The value starts at 0 as a running total does (0 + -0 is 0); the text
    // starts at the first term.
    double sumW = 0.0;
    std::string text;
    for (const double termW : termsW) {
        text += text.empty() ? textOf(termW) : " + " + textOf(termW);
        sumW += termW;
    }
    return {sumW, text.empty() ? textOf(sumW) : std::move(text), Form::Sum};
}

} // namespace kelvora
