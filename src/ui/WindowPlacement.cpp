#include "ui/WindowPlacement.h"

#include <algorithm>

namespace kelvora::ui {

namespace {

// The nearest place to wanted where the whole frame is on the screen.
QPoint onScreen(const QRect& screen, QPoint wanted, const QSize& frame) {
    const int lastLeft = std::max(screen.left(), screen.right() + 1 - frame.width());
    const int lastTop = std::max(screen.top(), screen.bottom() + 1 - frame.height());
    return {std::clamp(wanted.x(), screen.left(), lastLeft),
            std::clamp(wanted.y(), screen.top(), lastTop)};
}

} // namespace

std::optional<QPoint> mainWindowPlace(const QRect& screen, const QSize& mainFrame,
                                      const QSize& widestCalculatorFrame) {
    if (mainFrame.width() > screen.width() || mainFrame.height() > screen.height())
        return std::nullopt;
    // Where the widest does not fit beside it, against the left edge: the
    // narrower calculators still open on its right.
    const int pairWidth =
        std::min(mainFrame.width() + widestCalculatorFrame.width(), screen.width());
    return QPoint(screen.left() + (screen.width() - pairWidth) / 2,
                  screen.top() + (screen.height() - mainFrame.height()) / 2);
}

QPoint calculatorPlace(const QRect& screen, const QRect& mainFrame, int commandRowTop,
                       const QSize& calculatorFrame) {
    const int rightLeft = mainFrame.right() + 1;
    if (rightLeft + calculatorFrame.width() <= screen.right() + 1)
        return onScreen(screen, {rightLeft, mainFrame.top()}, calculatorFrame);
    const int leftLeft = mainFrame.left() - calculatorFrame.width();
    if (leftLeft >= screen.left())
        return onScreen(screen, {leftLeft, mainFrame.top()}, calculatorFrame);
    // Over the main window, its bottom edge just above the buttons.
    return onScreen(screen, {mainFrame.left(), commandRowTop - calculatorFrame.height()},
                    calculatorFrame);
}

} // namespace kelvora::ui
