#pragma once

// The main window's calculator windows, one for each row of the components'
// table, made by the calculator class the row names, and their three states: not existing, existing
// and hidden, existing and shown. The dispatch asks for a window to be shown or hidden; either
// creates it first when it does not exist, and creating a window runs its
// start-up step. A window that closes (its close box, or the lighting
// calculator after a compute) is forgotten at once, so that the next request
// creates it anew.

#include <QPointer>

#include <cstddef>
#include <vector>

class QWidget;

namespace kelvora::room {
class RoomModel;
}

namespace kelvora::ui {

class CalculatorWindow;

class CalculatorWindows {
public:
    // The calculators work for room and belong to owner.
    CalculatorWindows(room::RoomModel& room, QWidget* owner);

    // Shows the entry's window, not modal, creating it first if needed.
    void show(std::size_t entry);

    // Hides the entry's window, creating it first (hidden) if needed.
    void hide(std::size_t entry);

    // The entry's window as it exists now, or nullptr.
    [[nodiscard]] CalculatorWindow* window(std::size_t entry) const;

    // The window of this class as it exists now, or nullptr.
    template <class Calculator> [[nodiscard]] Calculator* find() const {
        for (const QPointer<CalculatorWindow>& window : windows_)
            if (auto* calculator = qobject_cast<Calculator*>(window.data()))
                return calculator;
        return nullptr;
    }

    // Moves the owner, before it is first shown, to where the screen has room
    // beside it for every calculator, or for as many as it can.
    void makeRoomBesideOwner();

    // Destroys every window, shown or hidden: the run is ending.
    void destroyAll();

private:
    CalculatorWindow* ensure(std::size_t entry);

    room::RoomModel& room_;
    QWidget* owner_;
    std::vector<QPointer<CalculatorWindow>> windows_;
};

} // namespace kelvora::ui
