#include "CalculatorWindows.h"

#include "CalculatorWindow.h"
#include "ComponentTable.h"
#include "FieldNotes.h"
#include "Layout.h"
#include "WindowPlacement.h"
#include "frmQ5.h"

#include <QScreen>
#include <QWidget>

#include <optional>

namespace kelvora::ui {

CalculatorWindows::CalculatorWindows(Room& room, QWidget* owner)
    : room_(room)
    , owner_(owner)
    , windows_(components().size()) {}

void CalculatorWindows::show(std::size_t entry) {
    ensure(entry)->showInFront();
}

void CalculatorWindows::hide(std::size_t entry) {
    ensure(entry)->hide();
}

CalculatorWindow* CalculatorWindows::window(std::size_t entry) const {
    return entry < windows_.size() ? windows_[entry].data() : nullptr;
}

void CalculatorWindows::makeRoomBesideOwner() {
    if (owner_->screen() == nullptr)
        return;
    // The frames come with the windows once shown; until then they are
    // allowed for, as large as the usual window managers draw them.
    const QSize frameAllowance(16, 40);
    const QSize widestCalculator(twipsToPixels(owner_, frmQ5::insideWidthTw),
                                 twipsToPixels(owner_, frmQ5::insideHeightTw));
    if (const std::optional<QPoint> at =
            mainWindowPlace(owner_->screen()->availableGeometry(), owner_->size() + frameAllowance,
                            widestCalculator + frameAllowance))
        owner_->move(*at);
}

void CalculatorWindows::destroyAll() {
    for (QPointer<CalculatorWindow>& window : windows_)
        delete window.data();
}

CalculatorWindow* CalculatorWindows::ensure(std::size_t entry) {
    QPointer<CalculatorWindow>& window = windows_.at(entry);
    if (window.isNull()) {
        window = components()[entry].create({room_, entry, owner_});
        showValuesUsed(window);
        QObject::connect(window, &CalculatorWindow::closed, window,
                         [this, entry] { windows_[entry] = nullptr; });
    }
    return window;
}

} // namespace kelvora::ui
