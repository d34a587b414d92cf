#pragma once

// The calculators that describe several facades or elements at once lay their
// fields out as a grid: a heading over each column, a caption before each row
// and a named field in each cell. A window describes its columns and rows in
// tables that name its own members, and buildGrid creates the controls, puts
// each at its twips and stores it in its member. Since one caption serves a
// whole row, each field is named for screen readers by its row's caption and
// its column's heading together ("Diện tích kính chịu bức xạ, Đông").

#include "ui/Layout.h"

#include <QLabel>
#include <QLineEdit>

#include <array>
#include <cstddef>
#include <span>

namespace kelvora::ui {

// What every column and row of one grid shares. Row captions stand at the
// left, captionDropTw below their row's top; a caption height of 0 takes the
// text's natural height. Captions always take their natural width.
struct GridShape {
    int headingTopTw;
    int headingWidthTw;
    int headingHeightTw;
    int cellWidthTw;
    int cellHeightTw;
    int captionLeftTw;
    int captionDropTw;
    int captionHeightTw = 0;
};

template <class Window> struct GridColumn {
    QLabel* Window::*heading;
    const char* name;
    const char* text;
    int leftTw; // of the heading and of the column's fields
};

template <class Window> struct GridCell {
    QLineEdit* Window::*field;
    const char* name;
    const char* text; // the text the field holds when the window is created
    int widthTw = 0;  // 0: the grid's cell width
};

template <class Window, std::size_t Columns> struct GridRow {
    QLabel* Window::*caption;
    const char* captionName;
    const char* captionText;
    int topTw; // of the row's fields
    std::array<GridCell<Window>, Columns> cells;
};

// "caption, heading", each without its surrounding blanks.
[[nodiscard]] QString cellAccessibleName(const QLabel* caption, const QLabel* heading);

template <class Window, std::size_t Columns>
void buildGrid(Window& window, QWidget* parent, const GridShape& shape,
               const std::array<GridColumn<Window>, Columns>& columns,
               std::span<const GridRow<Window, Columns>> rows) {
    for (const GridColumn<Window>& column : columns) {
        QLabel* heading = makeControl<QLabel>(
            parent, column.name, column.text,
            {column.leftTw, shape.headingTopTw, shape.headingWidthTw, shape.headingHeightTw});
        heading->setAlignment(Qt::AlignCenter);
        window.*column.heading = heading;
    }
    for (const GridRow<Window, Columns>& row : rows) {
        QLabel* caption = makeControl<QLabel>(
            parent, row.captionName, row.captionText,
            {shape.captionLeftTw, row.topTw + shape.captionDropTw, 0, shape.captionHeightTw});
        window.*row.caption = caption;
        for (std::size_t i = 0; i < Columns; ++i) {
            const GridCell<Window>& cell = row.cells[i];
            QLineEdit* field = makeControl<QLineEdit>(
                parent, cell.name, cell.text,
                {columns[i].leftTw, row.topTw, cell.widthTw > 0 ? cell.widthTw : shape.cellWidthTw,
                 shape.cellHeightTw});
            field->setAccessibleName(cellAccessibleName(caption, window.*columns[i].heading));
            window.*cell.field = field;
        }
        caption->setBuddy(window.*row.cells.front().field);
    }
}

} // namespace kelvora::ui
