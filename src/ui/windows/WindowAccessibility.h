#pragma once

// How screen readers meet Kelvora's windows. Qt announces a top-level QWidget
// as a plain client area, which a screen reader calls a "filler" panel; the
// main window is announced as a window and each calculator as a dialog,
// each by its title; a passing note is announced as an alert.

namespace kelvora::ui {

// From the main window's creation to its end.
void announceWindows();
void stopAnnouncingWindows();

} // namespace kelvora::ui
