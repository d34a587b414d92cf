#include "CalculatorWindows.h"

#include "CalculatorWindow.h"
#include "frmQ1.h"
#include "frmQ2.h"
#include "frmQ3.h"
#include "frmQ4.h"
#include "frmQ5.h"
#include "frmQ6.h"
#include "frmQ7.h"
#include "frmQ8.h"

namespace kelvora::ui {

namespace {

// The one place where a calculator joins the program.
CalculatorWindow* createCalculator(Component component, Kelvora& room) {
    switch (component) {
    case Component::Q1:
        return new frmQ1(room);
    case Component::Q2:
        return new frmQ2(room);
    case Component::Q3:
        return new frmQ3(room);
    case Component::Q4:
        return new frmQ4(room);
    case Component::Q5:
        return new frmQ5(room);
    case Component::Q6:
        return new frmQ6(room);
    case Component::Q7:
        return new frmQ7(room);
    case Component::Q8:
        return new frmQ8(room);
    }
    return nullptr;
}

std::size_t slot(Component component) {
    return static_cast<std::size_t>(component);
}

} // namespace

CalculatorWindows::CalculatorWindows(Kelvora& room)
    : room_(room) {}

void CalculatorWindows::show(Component component) {
    if (CalculatorWindow* window = ensure(component)) {
        window->show();
        window->raise();
        window->activateWindow();
    }
}

void CalculatorWindows::hide(Component component) {
    if (CalculatorWindow* window = ensure(component))
        window->hide();
}

CalculatorWindow* CalculatorWindows::window(Component component) const {
    return windows_[slot(component)];
}

void CalculatorWindows::destroyAll() {
    for (QPointer<CalculatorWindow>& window : windows_)
        delete window.data();
}

CalculatorWindow* CalculatorWindows::ensure(Component component) {
    QPointer<CalculatorWindow>& window = windows_[slot(component)];
    if (window.isNull()) {
        window = createCalculator(component, room_);
        if (window != nullptr)
            QObject::connect(window, &CalculatorWindow::closed, window,
                             [this, component] { windows_[slot(component)] = nullptr; });
    }
    return window;
}

} // namespace kelvora::ui
