#pragma once

// Drives the real windows as a user would, through key and mouse events, and
// answers every message box so that no test waits on one. The same tests run
// offscreen, where the program alone shows and activates its windows, and on
// a desktop, where a window manager does it a moment later: the waits here
// hold a test until the windows are as the user would see them on either.

#include <QMessageBox>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QtGlobal>

#include <memory>

#include "ui/windows/Kelvora.h"

class QLineEdit;
class QListWidget;
class QWidget;

namespace kelvora::ui::test {

// Presses OK on each message box as soon as it is up, and remembers what it said.
// While it lives, the offscreen platform's complaints about what it cannot do
// (raise a window, pass size hints to a window manager) are kept out of the log.
class MessageBoxAnswerer : public QObject {
public:
    MessageBoxAnswerer();
    ~MessageBoxAnswerer() override;
    MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
    MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

    [[nodiscard]] const QStringList& messages() const { return messages_; }
    void forget() { messages_.clear(); }

    // Every box it answered was titled "Kelvora" and had one button, OK.
    [[nodiscard]] bool allWellFormed() const { return wellFormed_; }

private:
    void answer();

    QtMessageHandler previousHandler_;
    QTimer timer_;
    QStringList messages_;
    bool wellFormed_ = true;
};

// The base of every UI test: each test function meets the program as a user
// starts it, its main window shown and every message box answered.
class SessionTest : public QObject {
    Q_OBJECT

protected:
    // Shows the calculator of the list entry, as the user picks it; nullptr
    // when the calculator does not appear on the screen (see waitUntilShown).
    QWidget* openCalculator(int entry);

    MessageBoxAnswerer* answerer = nullptr;
    Kelvora* window = nullptr;

private slots:
    void init();
    void cleanup();

private:
    std::unique_ptr<MessageBoxAnswerer> answerer_;
    std::unique_ptr<Kelvora> window_;
};

// Waits until the window is on the screen as the user sees it: exposed and
// framed, so that its position and frame are final. On a desktop the window
// manager frames and places a window before it maps it, but the program hears
// of it a moment after show(); offscreen both are at once. False when the
// window does not get there.
[[nodiscard]] bool waitUntilShown(QWidget* window);

// Makes the window the active one, as the user does by clicking it or its
// taskbar entry, and waits until the program has heard so (on a desktop, the
// window manager grants it a moment later). A window shown above its owner
// counts as the owner being active for QWidget::isActiveWindow, not here.
// False when it does not happen.
[[nodiscard]] bool activate(QWidget* window);

// The window's frame as the window system has it now (QWidget's own can be
// stale after a window manager framed a window anew without moving it).
[[nodiscard]] QRect frameOf(const QWidget* window);

// Moves the window's frame to frameTopLeft as the user does by dragging its
// title bar: on X11 the window manager moves it, asked through the X server;
// elsewhere the window system does. Waits until the program has heard of
// it; false when that does not happen.
[[nodiscard]] bool moveAsUser(QWidget* window, QPoint frameTopLeft);

// A rectangle in twips, in the window's logical pixels.
[[nodiscard]] QRect pixels(const QWidget* window, const QRect& twips);

// What a line edit, label or button shows, or a frame's title.
[[nodiscard]] QString controlText(const QWidget* control);

// Empties the field and types the text into it, key by key.
void retype(QLineEdit* field, const QString& text);

// Types the text at the field's cursor, key by key (any characters).
void typeKeys(QWidget* widget, const QString& text);

// Scrolls the entry into view, as the user would with the scroll bar, and clicks it.
void clickEntry(QListWidget* list, int row);

void clickButton(QWidget* button);

// The window's close box: the window system asks the window to close.
void closeBox(QWidget* window);

} // namespace kelvora::ui::test
