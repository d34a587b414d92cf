#pragma once

// A number together with the working that produced it. A formula is written
// once, over Worked values: every operator computes its double exactly as the
// plain expression would, in the same order, and writes beside it the
// operation with the texts of its operands. The result and its working can
// therefore never disagree, and the value is bit for bit the plain one. The
// windows show the text; the core's plain formulas return value().
//
// Numbers are written as a field shows them (numberText); operators as
// " + ", " − ", " × ", " / " and max(a, b). Parentheses show the order of
// evaluation wherever the usual left-to-right reading would not give it.

#include <cstddef>
#include <span>
#include <string>

namespace kelvora {

class Worked {
public:
    // A number as read from a field, or a fixed coefficient.
    explicit Worked(double value);

    [[nodiscard]] double value() const { return value_; }

    // The operation that gave value(), without its result.
    [[nodiscard]] const std::string& text() const { return text_; }

    // The value as a number of its own, for a working that goes on from it
    // under a name: the text of the result becomes "name = text = value; "
    // before what follows, and the value appears alone in the next steps.
    [[nodiscard]] Worked named(const std::string& name, std::string& steps) const;

    // The same value, its text preceded by the steps it was built from.
    [[nodiscard]] Worked after(const std::string& steps) const;

    friend Worked operator+(const Worked& a, const Worked& b);
    friend Worked operator-(const Worked& a, const Worked& b);
    friend Worked operator*(const Worked& a, const Worked& b);
    friend Worked operator/(const Worked& a, const Worked& b);

    // b where a < b, else a: std::max's choice, so that a tie keeps a.
    friend Worked larger(const Worked& a, const Worked& b);

    // Terms added left to right onto 0, as a running total is: "a + b + c".
    [[nodiscard]] static Worked addedUp(std::span<const double> termsW);

private:
    enum class Form { Number, Sum, Product, Quotient, Call };

    Worked(double value, std::string text, Form form);
    static Worked combine(double value, const Worked& a, const char* op, const Worked& b,
                          Form form);

    double value_;
    std::string text_;
    Form form_;
};

} // namespace kelvora
