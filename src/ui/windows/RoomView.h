#pragma once

// The main window's fields as views of the room model. Each field is bound
// to what it shows: what the user types goes to the model (a result or a
// total typed into is typed by hand), and whatever the model comes to hold
// is written back into the field. After every change of the model, every
// bound field shows in its notes what the model says of it: how a result
// came about, that it or the totals no longer hold, the inputs it was
// computed with that were misread or cannot be, what is wrong with a room
// value. Nothing here decides a state.

#include "room/RoomModel.h"

#include <QObject>

#include <utility>
#include <vector>

class QAbstractButton;
class QShortcut;
class QLineEdit;

namespace kelvora::ui {

class RoomView : public QObject {
    Q_OBJECT

public:
    RoomView(room::RoomModel& model, QObject* parent);

    // The field's text becomes the model's.
    void bindRoom(QLineEdit* field, room::RoomValue value);
    // The model's text becomes the field's.
    void bindResult(QLineEdit* field, room::ResultId result);
    void bindTotal(QLineEdit* field, room::TotalKind total);
    // The line that says which unit the maximum total asks for, with the
    // maximum total's warnings.
    void bindSizing(QLineEdit* line);

    // A button that fills the side's moisture content and enthalpy with what
    // the air check works out from its temperature and humidity, as if the
    // user had typed it: Ctrl+Z in a field gives back what it held. It is
    // enabled only where the check can work them out, and says why not; its
    // Alt key then shows the reason instead of typing a letter into a field.
    void bindFill(QAbstractButton* button, room::AirSide side);

    // Every bound field's notes, as the model has it now.
    void showStates();

private:
    // A result's or a total's field, bound both ways.
    template <class Id>
    void bindWritten(QLineEdit* field, Id id, void (room::RoomModel::*changed)(Id));

    void fill(room::AirSide side);
    // What the air check's note adds: how to fill the value in, or why not.
    [[nodiscard]] QString fillHint(room::RoomValue value) const;

    room::RoomModel& model_;
    std::vector<std::pair<QLineEdit*, room::RoomValue>> room_;
    struct Fill {
        QAbstractButton* button;
        room::AirSide side;
        QShortcut* refused; // the button's Alt key while the button is off
    };
    std::vector<Fill> fills_;
    std::vector<std::pair<QLineEdit*, room::ResultId>> results_;
    std::vector<std::pair<QLineEdit*, room::TotalKind>> totals_;
    QLineEdit* sizing_ = nullptr;
};

// A load in W as the units are sold, the number only: kW, BTU/h. Empty for a
// text that reads as no finite number.
[[nodiscard]] QString kilowattsText(const QString& loadW);
[[nodiscard]] QString btuPerHourText(const QString& loadW);

// The sizing line: "Tải lớn nhất 10.98 kW; 37452 BTU/h; 183 W/m²; nên chọn máy 48000 BTU/h (5 HP)".
[[nodiscard]] QString sizingWords(const room::Sizing& sizing);

} // namespace kelvora::ui
