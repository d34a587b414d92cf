#pragma once

// The eight heat-gain components, written down once. Each row says how the
// component appears in the main window's list, which air conditions must be
// filled in before its calculator opens, which room fields take its results
// and how its calculator window is made. The list's entries, the dispatch,
// Compute, Clear and the calculators' writes all walk this table, in its
// order, which is the order of the list and of the sums.

#include <cstddef>
#include <span>

class QLineEdit;

namespace kelvora::ui {

class CalculatorWindow;
class Kelvora;
struct CalculatorSite;

// Which room fields must not be empty before a calculator opens.
enum class RoomCheck {
    Full,  // temperatures, moisture contents, relative humidities, occupants
    Short, // temperatures and moisture contents
};

struct ComponentRow {
    const char* entryText;  // the list's entry, UTF-8, as the window has always spelled it
    const char* reportText; // the component in a copied report, spelled right
    RoomCheck check;
    // Every dispatch hides (so creates) this calculator before anything else,
    // whatever the pick and whatever its check finds.
    bool hiddenBeforeCheck;
    QLineEdit* Kelvora::*resultField; // W, the average
    QLineEdit* Kelvora::*peakField;   // W, or nullptr for a component without a peak
    CalculatorWindow* (*create)(const CalculatorSite& site);
};

[[nodiscard]] std::span<const ComponentRow> components();

} // namespace kelvora::ui
