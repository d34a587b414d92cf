#pragma once

// What the eight calculator windows have in common. Each is a window of the
// main window's own (OwnedWindow), created by its dispatch. It sees
// the room only through the room model: it copies room values into its own
// fields when it is created, reads every number a formula takes through
// read() or roomValue(), so that the result goes to the model with each
// input as typed and as read, and a compute ends by handing its results to
// the model. A compute ends the visit by hiding the window, which
// keeps its texts for the next visit; the close box destroys it, and the
// dispatch creates it afresh the next time.

#include "room/RoomModel.h"
#include "ui/Fields.h"
#include "ui/windows/OwnedWindow.h"

#include <QString>
#include <QWidget>

#include <cstddef>
#include <map>
#include <optional>
#include <utility>
#include <vector>

class QAbstractButton;
class QEvent;
class QKeyEvent;
class QLineEdit;

namespace kelvora::ui {

// What a calculator is made with: the room it works for, its entry in the
// components' table (which names the fields its results go to) and the
// window it belongs to.
struct CalculatorSite {
    room::RoomModel& room;
    std::size_t entry;
    QWidget* owner;
};

class CalculatorWindow : public OwnedWindow {
    Q_OBJECT

public:
    // The inside of the window measures widthTwips × heightTwips.
    CalculatorWindow(const CalculatorSite& site, const char* name, const char* title,
                     int widthTwips, int heightTwips);

protected:
    // A start-up step: the room's text, as it stands, becomes the field's.
    void copyFromRoom(QLineEdit* field, room::RoomValue value);

    // The field holds a quantity with values that cannot be or are unusual:
    // it is marked while it holds one, and so are the results computed with it.
    void markRange(QLineEdit* field, RoomQuantity quantity);

    // A compute starts: what earlier ones read is no input of its results.
    void forgetReads();

    // The numeric value of the field's text, taken down as an input of the
    // results this compute delivers.
    [[nodiscard]] double read(const QLineEdit* field);

    // The numeric value of the room's text as it stands now, taken down too.
    [[nodiscard]] double roomValue(room::RoomValue value);

    // Every compute ends the same way: a result that passed the fault check
    // is written, rounded to whole watts, into the room. A result that did
    // not pass has had its message shown and is not written; the handler
    // then returns and the window stays open.
    [[nodiscard]] bool deliver(FaultCheck& faults, room::ResultKind kind, const Worked& result);

    // A successful compute is over: the window steps aside and keeps its texts.
    void endVisit();

    // The button that computes: Enter or Return in a field presses it when
    // it is enabled. A button that starts disabled says, while it is, what
    // enables it (enabledWhen, UTF-8, after "Nút Tính bật khi "), and Enter
    // shows the same words beside the field.
    void computesWith(QAbstractButton* button, const char* enabledWhen = nullptr);

    bool eventFilter(QObject* watched, QEvent* event) override;

    void keyPressEvent(QKeyEvent* event) override;

private:
    [[nodiscard]] std::vector<room::Input> inputs() const;
    [[nodiscard]] std::optional<RoomQuantity> quantityOf(const QLineEdit* field) const;

    room::RoomModel& room_;
    std::size_t entry_;
    void showWhatEnables();

    QAbstractButton* computeButton_ = nullptr;
    QString whatEnables_; // while the button is disabled
    // What a result goes on to remember: the copies of room values as the
    // compute finds them, what it read from the room itself, and the
    // window's own fields it read, in the order it read them.
    struct Copy {
        QLineEdit* field;
        room::RoomValue value;
        double copied; // the number the room held when it was copied
    };
    std::vector<Copy> copies_;
    std::map<room::RoomValue, room::Input> readFromRoom_;
    std::vector<std::pair<const QLineEdit*, room::Input>> readFromFields_;
    std::map<const QLineEdit*, RoomQuantity> quantities_;
};

} // namespace kelvora::ui
