#pragma once

// How screen readers meet Kelvora's windows. Qt announces a top-level QWidget
// as a plain client area, which a screen reader calls a "filler" panel; a
// class that says what it is, with Q_CLASSINFO("accessibleRole", "Dialog")
// naming a QAccessible::Role, is announced as that instead: the main window
// as a window, each calculator as a dialog, a passing note as an alert.

namespace kelvora::ui {

// From the main window's creation to its end.
void announceWindows();
void stopAnnouncingWindows();

} // namespace kelvora::ui
