#include "ui/windows/CalculatorWindow.h"

#include "ui/Layout.h"
#include "ui/notes/FieldNotes.h"

#include "room/RoomValues.h"
#include "room/Words.h"

#include <QAbstractButton>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace kelvora::ui {

namespace {

const char* const roomHolds = "Cửa sổ chính hiện ghi: ";

// How a note names a field a result was computed with: its caption, without
// the caption's request to type it, "Nhập thể tích phòng" as "thể tích phòng".
QString inputName(const QLineEdit* field) {
    QString name = field->accessibleName().simplified();
    const QString request = QStringLiteral("Nhập ");
    if (name.startsWith(request))
        name.remove(0, request.size());
    return name.left(1).toLower() + name.mid(1);
}
const char* const buttonEnabledWhen = "Nút Tính bật khi ";
} // namespace

CalculatorWindow::CalculatorWindow(const CalculatorSite& site, const char* name, const char* title,
                                   int widthTwips, int heightTwips)
    : OwnedWindow(site.owner, name, title, widthTwips, heightTwips)
    , room_(site.room)
    , entry_(site.entry) {}

void CalculatorWindow::copyFromRoom(QLineEdit* field, room::RoomValue value) {
    const FlagsKept flags;
    field->setText(room_.text(value));
    copies_.push_back({field, value, fieldValue(field)});
    // The copy is the user's from now on; it only says when the room has
    // come to hold another number than it does.
    const auto compare = [this, field, value] {
        const FlagsKept flags;
        const QString roomText = room_.text(value);
        const bool agree = fieldValue(field) == fieldValue(roomText);
        setNote(field, NoteSource::Copy,
                agree ? QString() : QString::fromUtf8(roomHolds) + quoted(roomText),
                NoteLook::Warning);
    };
    connect(field, &QLineEdit::textChanged, this, compare);
    connect(&room_, &room::RoomModel::roomChanged, this, [compare, value](room::RoomValue changed) {
        if (changed == value)
            compare();
    });
    if (const std::optional<RoomQuantity> quantity = room::quantityOf(value))
        markRange(field, *quantity);
}

void CalculatorWindow::markRange(QLineEdit* field, RoomQuantity quantity) {
    quantities_[field] = quantity;
    const auto mark = [field, quantity] {
        // Reading the text may raise an overflow while a compute is under way.
        const FlagsKept flags;
        const QString note = room::implausibleNote(quantity, fieldValue(field));
        const QString advice = room::rangeAdvice(quantity);
        setNote(field, NoteSource::Range,
                note.isEmpty() || advice.isEmpty() ? note : note + u'\n' + advice,
                NoteLook::Warning);
    };
    mark();
    connect(field, &QLineEdit::textChanged, this, mark);
}

std::optional<RoomQuantity> CalculatorWindow::quantityOf(const QLineEdit* field) const {
    const auto found = quantities_.find(field);
    return found != quantities_.end() ? std::optional(found->second) : std::nullopt;
}

void CalculatorWindow::forgetReads() {
    readFromRoom_.clear();
    readFromFields_.clear();
}

double CalculatorWindow::read(const QLineEdit* field) {
    const double number = fieldValue(field);
    const auto same = [field](const auto& read) {
        return read.first == field;
    };
    std::erase_if(readFromFields_, same);
    readFromFields_.emplace_back(field, room::Input{inputName(field), field->text(), number,
                                                    std::nullopt, false, quantityOf(field)});
    return number;
}

double CalculatorWindow::roomValue(room::RoomValue value) {
    const double number = room_.number(value);
    readFromRoom_[value] = {room::valueName(value), room_.text(value), number, value, false,
                            room::quantityOf(value)};
    return number;
}

std::vector<room::Input> CalculatorWindow::inputs() const {
    // A copy the formula did not need may hold a number out of range; reading
    // it again must not raise a fault for the next formula to meet.
    const FlagsKept flags;
    std::vector<room::Input> inputs;
    for (const auto& [value, input] : readFromRoom_)
        inputs.push_back(input);
    for (const Copy& copy : copies_) {
        const double number = fieldValue(copy.field);
        inputs.push_back({inputName(copy.field), copy.field->text(), number, copy.value,
                          number != copy.copied, quantityOf(copy.field)});
    }
    for (const auto& [field, input] : readFromFields_)
        if (std::none_of(copies_.begin(), copies_.end(),
                         [field](const Copy& copy) { return copy.field == field; }))
            inputs.push_back(input);
    return inputs;
}

bool CalculatorWindow::deliver(FaultCheck& faults, room::ResultKind kind, const Worked& result) {
    if (!faults.passed(result.value()))
        return false;
    room_.computed({entry_, kind}, result, inputs());
    return true;
}

void CalculatorWindow::endVisit() {
    hide();
}

void CalculatorWindow::computesWith(QAbstractButton* button, const char* enabledWhen) {
    computeButton_ = button;
    if (enabledWhen == nullptr)
        return;
    whatEnables_ = QString::fromUtf8(buttonEnabledWhen) + QString::fromUtf8(enabledWhen);
    button->installEventFilter(this);
    showWhatEnables();
}

void CalculatorWindow::showWhatEnables() {
    setNote(computeButton_, NoteSource::Rule,
            computeButton_->isEnabled() ? QString() : whatEnables_, NoteLook::Described);
}

bool CalculatorWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == computeButton_ && event->type() == QEvent::EnabledChange)
        showWhatEnables();
    return QWidget::eventFilter(watched, event);
}

void CalculatorWindow::keyPressEvent(QKeyEvent* event) {
    const bool inField = qobject_cast<QLineEdit*>(focusWidget()) != nullptr;
    switch (event->key()) {
    case Qt::Key_Escape:
        endVisit();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (inField && computeButton_ != nullptr) {
            // A disabled button takes the key, and says where the user is
            // looking what would enable it.
            if (computeButton_->isEnabled())
                computeButton_->click();
            else if (!whatEnables_.isEmpty())
                showBelow(focusWidget(), whatEnables_);
            return;
        }
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

} // namespace kelvora::ui
