#pragma once

// Where the windows open. The main window opens with as much room on its
// right as the screen gives, up to the widest calculator's width; after that
// it stays where the user keeps it. A calculator opens wholly on its screen,
// frame included: beside the main window where the screen has room (right,
// else left), otherwise over it, high enough to leave the main window's
// command row in view where the screen allows. All rectangles are in global
// coordinates, frames included.

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

namespace kelvora::ui {

// screen: the screen's available area; mainFrame and widestCalculatorFrame:
// the windows' sizes with their frames. Gives the top left of the main
// window's frame: the two windows side by side in the middle of the screen,
// or where they do not fit side by side, the main window against its left
// edge; none where the main window does not fit on the screen.
[[nodiscard]] std::optional<QPoint> mainWindowPlace(const QRect& screen, const QSize& mainFrame,
                                                    const QSize& widestCalculatorFrame);

// screen: the screen's available area; mainFrame: the main window with its
// frame; commandRowTop: the global top of the main window's buttons;
// calculatorFrame: the calculator's size with its frame. Gives the top left
// of the calculator's frame.
[[nodiscard]] QPoint calculatorPlace(const QRect& screen, const QRect& mainFrame, int commandRowTop,
                                     const QSize& calculatorFrame);

} // namespace kelvora::ui
