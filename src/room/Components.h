#pragma once

// The eight heat-gain components, written down once. Each row says how the
// component appears in the main window's list, which room values must be
// filled in before its calculator opens, what its results are called and
// which fields of the main window show them, and which calculator window
// works it out. The list's entries, the dispatch, Compute, Clear, the model,
// the notes and the copied report all walk this table, in its order, which
// is the order of the list and of the sums. A component joins the program as
// one row here and its calculator window.

#include "RoomValues.h"

#include <array>
#include <cstddef>
#include <span>

namespace kelvora::room {

// A result as the main window shows it: its caption label and its field.
struct ResultCell {
    const char* label;       // the caption's text, and how notes and sums name it: "Q5 Max"
    const char* captionName; // the caption's objectName
    const char* fieldName;   // the field's objectName
};

struct ComponentRow {
    const char* entryText;  // the list's entry, UTF-8, as the window has always spelled it
    const char* reportText; // the component in a copied report, spelled right
    RoomCheck check;
    // Every dispatch hides (so creates) this calculator before anything else,
    // whatever the pick and whatever its check finds.
    bool hiddenBeforeCheck;
    ResultCell average; // W
    ResultCell peak;    // W; a peak with no field: the component has none
    const char* calculatorName;
    [[nodiscard]] constexpr bool hasPeak() const { return peak.fieldName != nullptr; }
};

inline constexpr ResultCell noPeak = {nullptr, nullptr, nullptr};

inline constexpr std::array componentRows = {
    ComponentRow{"Nhiệt do máy móc Q1",
                 "Nhiệt do máy móc Q1",
                 RoomCheck::Full,
                 true,
                 {"Q1", "Q1", "txtQ1"},
                 noPeak,
                 "frmQ1"},
    ComponentRow{"Nhệt do đèn chiếu sáng Q2",
                 "Nhiệt do đèn chiếu sáng Q2",
                 RoomCheck::Full,
                 true,
                 {"Q2", "Q2", "txtQ2"},
                 noPeak,
                 "frmQ2"},
    ComponentRow{"Nhiệt do người toả ra Q3",
                 "Nhiệt do người toả ra Q3",
                 RoomCheck::Full,
                 false,
                 {"Q3", "Q3", "txtQ3"},
                 noPeak,
                 "frmQ3"},
    ComponentRow{"Nhiệt do ro lọt không khí Q4",
                 "Nhiệt do lọt không khí Q4",
                 RoomCheck::Full,
                 false,
                 {"Q4", "Q4", "txtQ4"},
                 noPeak,
                 "frmQ4"},
    ComponentRow{"Nhiệt do bức xạ qua kính Q5",
                 "Nhiệt do bức xạ qua kính Q5",
                 RoomCheck::Full,
                 false,
                 {"Q5", "Q5", "txtQ5"},
                 {"Q5 Max", "Label14", "txtq5max"},
                 "frmQ5"},
    ComponentRow{"Nhiệt do thâm nhập qua kết cấu bao che do chênh lệch nhiệt độ  Q6",
                 "Nhiệt do thâm nhập qua kết cấu bao che do chênh lệch nhiệt độ Q6",
                 RoomCheck::Short,
                 false,
                 {"Q6", "Q6", "txtQ6"},
                 noPeak,
                 "frmQ6"},
    ComponentRow{"Nhiệt do bức xạ qua mái Q7",
                 "Nhiệt do bức xạ qua mái Q7",
                 RoomCheck::Short,
                 false,
                 {"Q7", "Q7", "txtQ7"},
                 {"Q7 Max", "Label15", "txtq7max"},
                 "frmQ7"},
    ComponentRow{"Nhiệt do xâm nhập qua nền Q8",
                 "Nhiệt do xâm nhập qua nền Q8",
                 RoomCheck::Short,
                 false,
                 {"Q8", "Q8", "txtQ8"},
                 noPeak,
                 "frmQ8"},
};

[[nodiscard]] inline std::span<const ComponentRow> components() {
    return componentRows;
}

enum class ResultKind {
    Average, // every component's result
    Peak,    // the glazing's and the roof's peak value
};

// One result of the room: a component's average or peak.
struct ResultId {
    std::size_t entry; // in the components' table
    ResultKind kind;
    friend constexpr bool operator==(ResultId, ResultId) = default;
};

// The two totals Compute forms.
enum class TotalKind {
    Average, // "Nhiệt tổng Q Trung bình": the components' averages added up
    Maximum, // "Nhiệt tổng Q Max": each with its peak where it has one
};

inline constexpr std::array allTotals = {TotalKind::Average, TotalKind::Maximum};

// How a total is named: its caption.
[[nodiscard]] const char* totalLabel(TotalKind total);

} // namespace kelvora::room
