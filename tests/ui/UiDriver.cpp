#include "UiDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#ifdef KELVORA_HAVE_XCB
#include <xcb/xcb.h>
#endif

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <iterator>
#include <memory>

#include "ui/windows/CalculatorWindow.h"

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

#ifdef KELVORA_HAVE_XCB
// The program's connection to the X server, or nullptr when not on X11.
xcb_connection_t* x11Connection() {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}
#endif

// Sends the window manager a request about the window, as a pager or
// taskbar does for the user: through the X server, to the root window.
// False when not on X11 (and always on Windows).
bool askWindowManager(const QWidget* window, const char* request,
                      std::initializer_list<quint32> data) {
#ifdef KELVORA_HAVE_XCB
    xcb_connection_t* connection = x11Connection();
    if (connection == nullptr)
        return false;
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(
            connection,
            xcb_intern_atom(connection, 0, static_cast<quint16>(qstrlen(request)), request),
            nullptr),
        &std::free);
    if (atom == nullptr)
        return false;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(window->winId());
    message.type = atom->atom;
    std::copy(data.begin(), data.end(), std::begin(message.data.data32));
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
    return true;
#else
    Q_UNUSED(window)
    Q_UNUSED(request)
    Q_UNUSED(data)
    return false;
#endif
}

// The source that the window manager's requests name: a pager, acting for the user.
constexpr quint32 fromPager = 2;
constexpr quint32 currentTime = 0; // XCB_CURRENT_TIME

// Asks the window manager to activate the window as a taskbar does when the
// user clicks the window's entry. The program's own request
// (QWidget::activateWindow) says it comes from the program, which a window
// manager may refuse as focus stealing: openbox did in a third of the runs of
// tst_Windows under load.
bool activateOnX11(const QWidget* window) {
    return askWindowManager(window, "_NET_ACTIVE_WINDOW", {fromPager, currentTime});
}

// Whether the X server's input focus is on the window. metacity under load
// has given the focus to a calculator's owner before the calculator that Qt
// had taken for active was hidden: the owner then holds the focus, Qt hears
// of no change, and a request to activate it changes nothing.
bool hasX11Focus(const QWidget* window) {
#ifdef KELVORA_HAVE_XCB
    xcb_connection_t* connection = x11Connection();
    if (connection == nullptr)
        return false;
    const std::unique_ptr<xcb_get_input_focus_reply_t, decltype(&std::free)> focus(
        xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr),
        &std::free);
    return focus != nullptr && focus->focus == static_cast<xcb_window_t>(window->winId());
#else
    Q_UNUSED(window)
    return false;
#endif
}

// Takes the input focus to the desktop, as a click on it does, so that the
// next activation is a change the program hears of.
void focusTheDesktop() {
#ifdef KELVORA_HAVE_XCB
    xcb_connection_t* connection = x11Connection();
    if (connection == nullptr)
        return;
    xcb_set_input_focus(connection, XCB_INPUT_FOCUS_POINTER_ROOT, XCB_INPUT_FOCUS_POINTER_ROOT,
                        XCB_CURRENT_TIME);
    xcb_flush(connection);
#endif
}

// What the window manager does (framing, mapping, activating) takes seconds
// on a loaded machine, the more under the sanitizers; the waits end as soon
// as it is done, so a long limit costs nothing when all is well.
constexpr int windowManagerMs = 20000;

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
    // On X11 Qt runs this timer while it is still showing the box: visible,
    // but not laid out, its OK button 0 px high, so that a click misses it
    // and the box stays for the next tick. Each box is counted once, by the
    // box itself (boxes come and go at the same stack address), and clicked
    // once it can be, as often as it takes.
    static constexpr char counted[] = "kelvora-test-counted";
    const QList<QAbstractButton*> buttons = box->buttons();
    if (!box->property(counted).toBool()) {
        box->setProperty(counted, true);
        messages_ << box->text();
        if (box->windowTitle() != QLatin1String("Kelvora") || buttons.size() != 1 ||
            box->standardButton(buttons.front()) != QMessageBox::Ok)
            wellFormed_ = false;
    }
    if (buttons.isEmpty() || !buttons.front()->isVisible() || buttons.front()->rect().isEmpty())
        return;
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
    if (!QTest::qWaitForWindowExposed(window, windowManagerMs))
        return false;
    // The frame margins become known once the window manager has framed the
    // window; a window without a frame has none to wait for.
    if (window->windowFlags().testFlag(Qt::FramelessWindowHint))
        return true;
    return QTest::qWaitFor(
        [window] {
            return window->windowHandle() != nullptr &&
                   !window->windowHandle()->frameMargins().isNull();
        },
        windowManagerMs);
}

bool activate(QWidget* window) {
    // Under a heavy load, once in some hundred activations, none came within
    // the whole wait; as a user whose click did not take clicks again, the
    // request is repeated until it is granted.
    // Every other request goes Qt's own way, which names the user's last
    // input time and, where the window manager lets it, sets the focus itself:
    // a refusal of one kind of request is then not the end of the wait.
    const QDeadlineTimer deadline(windowManagerMs);
    bool asPager = true;
    do {
        if (!asPager || !activateOnX11(window)) {
            window->raise();
            window->activateWindow();
        }
        asPager = !asPager;
        if (QTest::qWaitFor([window] { return QApplication::activeWindow() == window; },
                            static_cast<int>(std::min<qint64>(deadline.remainingTime(), 2000))))
            return true;
        if (hasX11Focus(window))
            focusTheDesktop();
    } while (!deadline.hasExpired());
    return false;
}

QRect frameOf(const QWidget* window) {
    const QWindow* handle = window->windowHandle();
    return handle != nullptr && window->isVisible() ? handle->frameGeometry()
                                                    : window->frameGeometry();
}

bool moveAsUser(QWidget* window, QPoint frameTopLeft) {
    // The frame's top left, as the window's gravity says (north-west), and
    // only the position: bits 8 and 9 for x and y, bits 12 and 13 for the source.
    constexpr quint32 northWest = 1;
    constexpr quint32 position = (1U << 8U) | (1U << 9U);
    if (!askWindowManager(window, "_NET_MOVERESIZE_WINDOW",
                          {northWest | position | (fromPager << 12U),
                           static_cast<quint32>(frameTopLeft.x()),
                           static_cast<quint32>(frameTopLeft.y()), 0, 0}))
        window->windowHandle()->setFramePosition(frameTopLeft);
    // The window system's window moves first; the program hears of it after.
    return QTest::qWaitFor(
        [&] {
            return frameOf(window).topLeft() == frameTopLeft &&
                   window->geometry() == window->windowHandle()->geometry();
        },
        windowManagerMs);
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
