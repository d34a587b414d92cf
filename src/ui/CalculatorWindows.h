#pragma once

// The main window's eight calculator windows and their three states: not
// existing, existing and hidden, existing and shown. The dispatch asks for a
// window to be shown or hidden; either creates it first when it does not
// exist, and creating a window runs its start-up step. A window that closes
// (its close box, or the lighting calculator after a compute) is forgotten at
// once, so that the next request creates it anew.

#include "core/Components.h"
#include "core/HeatBalance.h"

#include <QPointer>

#include <array>

namespace kelvora::ui {

class CalculatorWindow;
class Kelvora;

class CalculatorWindows {
public:
    explicit CalculatorWindows(Kelvora& room);

    // Shows the component's window, not modal, creating it first if needed.
    void show(Component component);

    // Hides the component's window, creating it first (hidden) if needed.
    void hide(Component component);

    // The window as it exists now, or nullptr.
    [[nodiscard]] CalculatorWindow* window(Component component) const;

    // Destroys every window, shown or hidden: the run is ending.
    void destroyAll();

private:
    // nullptr for a component whose calculator is not part of the program.
    CalculatorWindow* ensure(Component component);

    Kelvora& room_;
    std::array<QPointer<CalculatorWindow>, componentCount> windows_;
};

} // namespace kelvora::ui
