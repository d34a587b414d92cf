#include "ui/windows/OwnedWindow.h"

#include "ui/Layout.h"
#include "ui/WindowPlacement.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QMoveEvent>
#include <QScreen>
#include <QWindow>

#include <algorithm>

namespace kelvora::ui {

namespace {

// The frame as the window system has it now. QWidget keeps the frame's size
// from the window's last move, and a window manager that frames a window
// anew where it stood (on showing it again) sends none: the kept size is
// then that of the unframed, hidden window.
QRect frameNow(const QWidget* window) {
    const QWindow* handle = window->windowHandle();
    return handle != nullptr && window->isVisible() ? handle->frameGeometry()
                                                    : window->frameGeometry();
}

} // namespace

OwnedWindow::OwnedWindow(QWidget* owner, const char* name, const char* title, int widthTwips,
                         int heightTwips)
    : QWidget(owner, Qt::Dialog) {
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(QString::fromUtf8(title));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(captionFont());
    setInsideSizeInTwips(this, widthTwips, heightTwips);
}

void OwnedWindow::showInFront() {
    // A window the user has moved opens where the user put it; any other
    // beside its owner, wherever the owner stands now.
    moveFrameTo(userPlace_ ? *userPlace_ : placeBesideOwner());
    show();
    raise();
    activateWindow();
}

QPoint OwnedWindow::placeBesideOwner() const {
    const QWidget* owner = parentWidget();
    if (owner == nullptr || owner->screen() == nullptr)
        return pos();
    // The frame this window will get is not known before it is shown; the
    // window manager gives it the same as the main window's.
    const QRect mainFrame = frameNow(owner);
    const QSize frameExtra = mainFrame.size() - owner->size();
    // The main window's command row is its lowest row of buttons. Only its
    // own: the calculators are its children too, with buttons of their own.
    std::optional<int> commandRowTop;
    for (const QAbstractButton* button :
         owner->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly))
        commandRowTop = std::max(commandRowTop.value_or(button->mapToGlobal(QPoint(0, 0)).y()),
                                 button->mapToGlobal(QPoint(0, 0)).y());
    return calculatorPlace(owner->screen()->availableGeometry(), mainFrame,
                           commandRowTop.value_or(mainFrame.bottom()), size() + frameExtra);
}

void OwnedWindow::moveFrameTo(QPoint frameTopLeft) {
    askedAt_ = frameTopLeft;
    // Before it is first shown, move() places the frame. Once shown, it
    // places the inside, by the frame Qt believes the window has, which a
    // hidden window may have lost: the frame to come is the owner's.
    const QWidget* owner = parentWidget();
    if (testAttribute(Qt::WA_WState_Created) && owner != nullptr)
        frameTopLeft += (owner->geometry().topLeft() - frameNow(owner).topLeft()) -
                        (geometry().topLeft() - pos());
    move(frameTopLeft);
}

void OwnedWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    // Only the user moves a window that is on the screen without the program
    // asking. Until the window manager has shown the window, and once the
    // window is hidden (the window manager then takes its frame away, which
    // moves the inside), the moves are the window manager's; so is one that
    // brings the frame where the program asked, or the inside there before
    // the frame's size is known (Wine's window manager reports it late).
    const QWindow* handle = windowHandle();
    if (!event->spontaneous() || !isVisible() || handle == nullptr || !handle->isExposed() ||
        !askedAt_)
        return;
    const QPoint frame = frameNow(this).topLeft();
    const QWidget* owner = parentWidget();
    const QPoint inside =
        *askedAt_ +
        (owner != nullptr ? owner->geometry().topLeft() - frameNow(owner).topLeft() : QPoint());
    if (userPlace_ || (frame != *askedAt_ && frame != inside))
        userPlace_ = frame;
}

void OwnedWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit closed();
}

} // namespace kelvora::ui
