#include "CalculatorWindow.h"

#include "Kelvora.h"
#include "Layout.h"

#include <QCloseEvent>

namespace kelvora::ui {

CalculatorWindow::CalculatorWindow(Kelvora& room, const char* name, const char* title,
                                   int widthTwips, int heightTwips)
    : QWidget(&room, Qt::Window)
    , room_(room) {
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(QString::fromUtf8(title));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(captionFont());
    setInsideSizeInTwips(this, widthTwips, heightTwips);
}

bool CalculatorWindow::deliver(FaultCheck& faults, QLineEdit* roomField, double resultW) {
    if (!faults.passed(resultW))
        return false;
    writeRounded(roomField, resultW);
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
