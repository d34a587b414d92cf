#pragma once

// Where a calculator opens. The main window stays where the user keeps it;
// a calculator opens wholly on its screen, frame included: beside the main
// window where the screen has room (right, else left), otherwise over it,
// high enough to leave the main window's command row in view where the
// screen allows. All rectangles are in global coordinates, frames included.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace kelvora::ui {

// screen: the screen's available area; mainFrame: the main window with its
// frame; commandRowTop: the global top of the main window's buttons;
// calculatorFrame: the calculator's size with its frame. Gives the top left
// of the calculator's frame.
[[nodiscard]] QPoint calculatorPlace(const QRect& screen, const QRect& mainFrame, int commandRowTop,
                                     const QSize& calculatorFrame);

} // namespace kelvora::ui
