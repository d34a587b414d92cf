#pragma once

// What the eight calculator windows have in common. Each is a top-level window
// of its own, created by the main window's dispatch and owned by it; it reads
// and writes the room through the main window's fields. A compute ends the
// visit by hiding the window, which keeps its texts for the next visit; the
// close box destroys it, and the dispatch creates it afresh the next time.

#include "Fields.h"

#include <QWidget>

class QCloseEvent;
class QLineEdit;

namespace kelvora::ui {

class Kelvora;

class CalculatorWindow : public QWidget {
    Q_OBJECT

public:
    // The inside of the window measures widthTwips × heightTwips.
    CalculatorWindow(Kelvora& room, const char* name, const char* title, int widthTwips,
                     int heightTwips);

signals:
    // The window has been closed and is about to be destroyed.
    void closed();

protected:
    [[nodiscard]] Kelvora& room() const { return room_; }

    // Every compute ends the same way: a result that passed the fault check
    // is written, rounded to whole watts, into a field of the room. A result
    // that did not pass has had its message shown and is not written; the
    // handler then returns and the window stays open.
    [[nodiscard]] bool deliver(FaultCheck& faults, QLineEdit* roomField, double resultW);

    // A successful compute is over: the window steps aside and keeps its texts.
    void endVisit();

    void closeEvent(QCloseEvent* event) override;

private:
    Kelvora& room_;
};

} // namespace kelvora::ui
