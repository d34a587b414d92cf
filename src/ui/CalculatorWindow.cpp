#include "CalculatorWindow.h"

#include "FieldNotes.h"
#include "Layout.h"

#include <QCloseEvent>
#include <QLineEdit>

namespace kelvora::ui {

namespace {
const char* const roomHolds = "Cửa sổ chính hiện ghi: ";
} // namespace

CalculatorWindow::CalculatorWindow(const CalculatorSite& site, const char* name, const char* title,
                                   int widthTwips, int heightTwips)
    : QWidget(site.owner, Qt::Window)
    , room_(site.room)
    , entry_(site.entry) {
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(QString::fromUtf8(title));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(captionFont());
    setInsideSizeInTwips(this, widthTwips, heightTwips);
}

void CalculatorWindow::copyFromRoom(QLineEdit* field, RoomValue value) {
    field->setText(room_.text(value));
    // The copy is the user's from now on; it only says when the room has
    // come to hold another number than it does.
    const auto compare = [this, field, value] {
        const FlagsKept flags;
        const QString roomText = room_.text(value);
        const bool agree = fieldValue(field) == fieldValue(roomText);
        setNote(field, NoteSource::Copy,
                agree ? QString() : QString::fromUtf8(roomHolds) + roomText, NoteLook::Warning);
    };
    connect(field, &QLineEdit::textChanged, this, compare);
    room_.watch(value, this, compare);
}

double CalculatorWindow::roomValue(RoomValue value) const {
    return fieldValue(room_.text(value));
}

bool CalculatorWindow::deliver(FaultCheck& faults, ResultKind kind, double resultW) {
    if (!faults.passed(resultW))
        return false;
    room_.writeResultW(entry_, kind, resultW);
    return true;
}

void CalculatorWindow::endVisit() {
    hide();
}

void CalculatorWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}

} // namespace kelvora::ui
