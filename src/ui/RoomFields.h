#pragma once

// The main window's fields as the results' history and the copied report
// read them. The main window fills this in once, from its controls and the
// components' table; the two readers then follow and read these controls
// without knowing the window. Tính adds the components' fields as
// componentsW and componentsWithPeaksW read them, and the history works out
// with the same two whether the totals shown are still what Tính would write.

#include "core/HeatBalance.h"

#include <vector>

class QAbstractButton;
class QLineEdit;

namespace kelvora::ui {

struct ComponentFields {
    QLineEdit* averageW = nullptr;
    QLineEdit* peakW = nullptr; // only for a component with a peak
};

struct RoomFields {
    std::vector<QLineEdit*> room;            // the name, then the room's values, as laid out
    std::vector<ComponentFields> components; // in the order of the components' table
    QLineEdit* averageTotalW = nullptr;
    QLineEdit* maximumTotalW = nullptr;
    QAbstractButton* compute = nullptr; // Tính
    QAbstractButton* clear = nullptr;   // Xoá
};

// What Tính adds, read from the fields as they stand, in W.
[[nodiscard]] std::vector<double> componentsW(const RoomFields& fields);
[[nodiscard]] std::vector<ComponentW> componentsWithPeaksW(const RoomFields& fields);

} // namespace kelvora::ui
