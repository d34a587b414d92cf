#pragma once

// Drives the real windows as a user would, through key and mouse events, and
// answers every message box so that no test waits on one.

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QtGlobal>

#include "ui/Kelvora.h"

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

// The program as a user starts it: the main window, shown, with every message
// box answered for as long as it lives.
class Session {
public:
    Session();

    // False when the main window never reached the screen.
    [[nodiscard]] bool exposed() const { return exposed_; }

    MessageBoxAnswerer answerer;
    Kelvora window;

private:
    bool exposed_ = false;
};

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
