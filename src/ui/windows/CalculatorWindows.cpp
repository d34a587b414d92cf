#include "ui/windows/CalculatorWindows.h"

#include "room/Components.h"
#include "ui/Layout.h"
#include "ui/WindowPlacement.h"
#include "ui/notes/FieldNotes.h"
#include "ui/windows/CalculatorWindow.h"
#include "ui/windows/frmQ1.h"
#include "ui/windows/frmQ2.h"
#include "ui/windows/frmQ3.h"
#include "ui/windows/frmQ4.h"
#include "ui/windows/frmQ5.h"
#include "ui/windows/frmQ6.h"
#include "ui/windows/frmQ7.h"
#include "ui/windows/frmQ8.h"

#include <QScreen>
#include <QWidget>

#include <cstring>
#include <optional>
#include <tuple>

namespace kelvora::ui {

namespace {

// Every calculator window there is; the components' table names, row by
// row, the one that works its component out.
using Calculators = std::tuple<frmQ1, frmQ2, frmQ3, frmQ4, frmQ5, frmQ6, frmQ7, frmQ8>;

template <std::size_t index = 0>
CalculatorWindow* create(const char* name, const CalculatorSite& site) {
    if constexpr (index == std::tuple_size_v<Calculators>) {
        return nullptr;
    } else {
        using Calculator = std::tuple_element_t<index, Calculators>;
        if (std::strcmp(Calculator::staticMetaObject.className(), name) == 0 ||
            QLatin1String(Calculator::staticMetaObject.className())
                .endsWith(QLatin1String("::") + QLatin1String(name)))
            return new Calculator(site);
        return create<index + 1>(name, site);
    }
}

} // namespace

CalculatorWindows::CalculatorWindows(room::RoomModel& room, QWidget* owner)
    : room_(room)
    , owner_(owner)
    , windows_(room::components().size()) {}

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
        window = create(room::components()[entry].calculatorName, {room_, entry, owner_});
        Q_ASSERT(window != nullptr);
        showValuesUsed(window);
        QObject::connect(window, &CalculatorWindow::closed, window,
                         [this, entry] { windows_[entry] = nullptr; });
    }
    return window;
}

} // namespace kelvora::ui
