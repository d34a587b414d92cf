#pragma once

// The lists of Kelvora (the main window's components, the occupant
// activities, the glazing coefficients) are all drawn one entry high: the user
// scrolls through them entry by entry, and a pick is read back as the first
// selected row. Each entry may carry a number of its own, kept as item data.

#include "Layout.h"

#include <optional>
#include <span>

class QListWidget;

namespace kelvora::ui {

struct ListEntry {
    const char* text; // UTF-8
    double value = 0; // stored under Qt::UserRole
};

// A single-selection list with these entries, none current or selected.
[[nodiscard]] QListWidget* makeEntryList(QWidget* parent, const char* name, const TwipsRect& rect,
                                         std::span<const ListEntry> entries);

// The first selected row in list order, if any.
[[nodiscard]] std::optional<int> selectedRow(const QListWidget* list);

// The number carried by an entry.
[[nodiscard]] double entryValue(const QListWidget* list, int row);

} // namespace kelvora::ui
