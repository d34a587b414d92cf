#pragma once

// The pattern every window repeats: a caption, the field it names and, in the
// calculators, a unit label, each at its own place. A window describes its
// rows in a table that names its own members, and buildRows creates the
// controls and stores them in those members.

#include "ui/Layout.h"

#include <QLabel>
#include <QLineEdit>

#include <span>

namespace kelvora::ui {

struct RowLabel {
    const char* name = nullptr; // nullptr: the row has no such label
    const char* text = "";
    TwipsRect at;
};

struct RowField {
    const char* name;
    const char* text; // the text the field holds when the window is created
    TwipsRect at;
};

template <class Window> struct FieldRow {
    QLabel* Window::*caption;
    RowLabel captionLabel;
    QLineEdit* Window::*field;
    RowField fieldEdit;
    QLabel* Window::*unit = nullptr;
    RowLabel unitLabel = {};
};

// parent: the window itself, or the frame the rows stand in.
template <class Window>
void buildRows(Window& window, QWidget* parent, std::span<const FieldRow<Window>> rows) {
    for (const FieldRow<Window>& row : rows) {
        window.*row.caption = makeControl<QLabel>(parent, row.captionLabel.name,
                                                  row.captionLabel.text, row.captionLabel.at);
        window.*row.field = makeControl<QLineEdit>(parent, row.fieldEdit.name, row.fieldEdit.text,
                                                   row.fieldEdit.at);
        nameByCaption(window.*row.caption, window.*row.field);
        if (row.unit != nullptr)
            window.*row.unit = makeControl<QLabel>(parent, row.unitLabel.name, row.unitLabel.text,
                                                   row.unitLabel.at);
    }
}

} // namespace kelvora::ui
