#pragma once

// The lists of Kelvora (the main window's components, the occupant
// activities, the glazing coefficients) are all drawn one entry high: the user
// scrolls through them entry by entry, and a pick is read back as the first
// selected row. Each entry may carry a number of its own, kept as item data.

#include "ui/Layout.h"

#include <functional>
#include <optional>
#include <span>

class QListWidget;
class QObject;

namespace kelvora::ui {

struct ListEntry {
    const char* text; // UTF-8
    double value = 0; // stored under Qt::UserRole
};

// A single-selection list with these entries, none current or selected.
[[nodiscard]] QListWidget* makeEntryList(QWidget* parent, const char* name, const TwipsRect& rect,
                                         std::span<const ListEntry> entries);

// What besides a change of selection counts as a pick.
enum class Repick {
    Click,              // a click on the entry already selected
    ClickEnterOrDouble, // that, Enter or Return on the list, or a double-click
};

// Calls picked, for as long as context lives, once for each change of the
// list's selection, and again when the user picks the entry already selected:
// a list one entry high shows nothing else to click, and a pick that changes
// nothing would otherwise be lost.
void connectPicks(QListWidget* list, const QObject* context, std::function<void()> picked,
                  Repick repick);

// The first selected row in list order, if any.
[[nodiscard]] std::optional<int> selectedRow(const QListWidget* list);

// The number carried by an entry.
[[nodiscard]] double entryValue(const QListWidget* list, int row);

} // namespace kelvora::ui
