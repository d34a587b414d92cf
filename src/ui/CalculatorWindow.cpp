#include "CalculatorWindow.h"

#include "Layout.h"

#include <QCloseEvent>
#include <QLineEdit>

namespace kelvora::ui {

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
