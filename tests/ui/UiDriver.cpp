#include "UiDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include "ui/CalculatorWindow.h"

namespace kelvora::ui::test {

namespace {

// A message handler is a plain function, so the one it passes messages on to
// has to live beside it.
QtMessageHandler& passOnTo() {
    static QtMessageHandler handler = nullptr;
    return handler;
}

void dropOffscreenComplaints(QtMsgType type, const QMessageLogContext& context,
                             const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (passOnTo() != nullptr)
        passOnTo()(type, context, message);
}

} // namespace

MessageBoxAnswerer::MessageBoxAnswerer()
    : previousHandler_(qInstallMessageHandler(dropOffscreenComplaints)) {
    passOnTo() = previousHandler_;
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, &MessageBoxAnswerer::answer);
    timer_.start();
}

MessageBoxAnswerer::~MessageBoxAnswerer() {
    qInstallMessageHandler(previousHandler_);
    passOnTo() = nullptr;
}

void MessageBoxAnswerer::answer() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible())
        return;
    messages_ << box->text();
    const QList<QAbstractButton*> buttons = box->buttons();
    if (box->windowTitle() != QLatin1String("Kelvora") || buttons.size() != 1 ||
        box->standardButton(buttons.front()) != QMessageBox::Ok)
        wellFormed_ = false;
    QTest::mouseClick(buttons.front(), Qt::LeftButton);
}

void SessionTest::init() {
    answerer_ = std::make_unique<MessageBoxAnswerer>();
    window_ = std::make_unique<Kelvora>();
    answerer = answerer_.get();
    window = window_.get();
    window->show();
    QVERIFY(waitUntilShown(window));
    // A new window is made active at once offscreen, and by the window manager
    // a moment later on a desktop: every test starts once it is, rather than
    // having the activation arrive in the middle of what it does.
    QVERIFY(activate(window));
}

void SessionTest::cleanup() {
    QVERIFY2(answerer->allWellFormed(), "a message box was not titled Kelvora with one OK");
    window_.reset();
    answerer_.reset();
}

QWidget* SessionTest::openCalculator(int entry) {
    clickEntry(window->loaiQ, entry);
    QWidget* calculator = window->calculators().window(entry);
    if (calculator == nullptr || !waitUntilShown(calculator))
        return nullptr;
    return calculator;
}

bool waitUntilShown(QWidget* window) {
    if (!QTest::qWaitForWindowExposed(window))
        return false;
    // The frame margins become known once the window manager has framed the
    // window; a window without a frame has none to wait for.
    if (window->windowFlags().testFlag(Qt::FramelessWindowHint))
        return true;
    return QTest::qWaitFor([window] {
        return window->windowHandle() != nullptr &&
               !window->windowHandle()->frameMargins().isNull();
    });
}

bool activate(QWidget* window) {
    window->activateWindow();
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; });
}

QRect pixels(const QWidget* window, const QRect& twips) {
    const int dpi = window->logicalDpiX();
    const auto px = [dpi](int tw) {
        return tw * dpi / 1440;
    };
    return {px(twips.left()), px(twips.top()), px(twips.width()), px(twips.height())};
}

QString controlText(const QWidget* control) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text();
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    if (const auto* frame = qobject_cast<const QGroupBox*>(control))
        return frame->title();
    return QStringLiteral("<not a control with a text>");
}

void typeKeys(QWidget* widget, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        // keyClicks knows the keys of printable ASCII only (it aborts on others).
        if (text[i].unicode() >= 0x20 && text[i].unicode() < 0x7F) {
            QTest::keyClicks(widget, QString(text[i]));
            continue;
        }
        // One key event a character, a surrogate pair being one character.
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        i += length - 1;
        QTest::sendKeyEvent(QTest::KeyAction::Press, widget, Qt::Key_unknown, character,
                            Qt::NoModifier);
        QTest::sendKeyEvent(QTest::KeyAction::Release, widget, Qt::Key_unknown, character,
                            Qt::NoModifier);
    }
}

void retype(QLineEdit* field, const QString& text) {
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    typeKeys(field, text);
}

void clickEntry(QListWidget* list, int row) {
    QListWidgetItem* entry = list->item(row);
    list->scrollToItem(entry);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(entry).center());
}

void clickButton(QWidget* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

void closeBox(QWidget* window) {
    window->windowHandle()->close();
}

} // namespace kelvora::ui::test
