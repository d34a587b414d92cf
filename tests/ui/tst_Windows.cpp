// How the calculator windows behave as windows on a desktop: picking an entry
// again, the keys that compute and step aside, staying above the main window,
// where they open. The stacking needs a window manager, and runs only where
// CTest starts one (the xcb runs); the rest runs on both platforms.

#include "CalculatorInputs.h"
#include "UiDriver.h"
#include "ui/WindowPlacement.h"
#include "ui/windows/CalculatorWindow.h"

#include <QApplication>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <algorithm>

using namespace kelvora::ui::test;
using kelvora::ui::calculatorPlace;
using kelvora::ui::mainWindowPlace;

namespace {

const QString airConditionsMissing = QStringLiteral("Nhap so lieu nhiet do va dung am");

bool onXcb() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

} // namespace

class tst_Windows : public SessionTest {
    Q_OBJECT

private slots:
    void picksAgain_data();
    void picksAgain();
    void refusedEntryPickedAgainOpens();
    void listEntryPickedAgainIsRestored_data();
    void listEntryPickedAgainIsRestored();
    void enterComputes_data();
    void enterComputes();
    void enterInTheMainWindow();
    void escapeStepsAside_data();
    void escapeStepsAside();
    void placement_data();
    void placement();
    void opensOnTheScreenAndKeepsItsPlace();
    void mainWindowPlacement_data();
    void mainWindowPlacement();
    void followsTheMovedMainWindow();
    void followsEveryMoveOfTheMainWindow();
    void staysAboveTheMainWindow();

private:
    [[nodiscard]] QWidget* calculator(int entry) const {
        return window->calculators().window(std::size_t(entry));
    }
    // The main window's buttons, in global coordinates.
    [[nodiscard]] QRect commandRow() const {
        return {window->tinh->mapToGlobal(QPoint(0, 0)),
                window->cmdthoat->mapToGlobal(
                    QPoint(window->cmdthoat->width(), window->cmdthoat->height()))};
    }
    // Over the main window, on the screen, and clear of the buttons wherever
    // the screen has room for it above them.
    [[nodiscard]] bool overTheMainWindow(const QWidget* shown) const {
        const QRect at = frameOf(shown);
        const QRect screen = window->screen()->availableGeometry();
        const bool roomAbove = at.height() <= commandRow().top() - screen.top();
        return at.intersects(frameOf(window)) && screen.contains(at) &&
               (!roomAbove || !at.intersects(commandRow()));
    }
};

void tst_Windows::picksAgain_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("how");
    for (const char* how : {"click", "double-click", "Return", "Enter"}) {
        QTest::addRow("lighting closed by its compute, %s", how) << 1 << how;
        QTest::addRow("equipment hidden by its compute, %s", how) << 0 << how;
    }
}

// The one-row list shows only the entry last picked: picking it again must
// bring its calculator back.
void tst_Windows::picksAgain() {
    QFETCH(int, entry);
    QFETCH(QString, how);
    QWidget* shown = openCalculator(entry);
    QVERIFY(shown != nullptr);
    QCOMPARE(fillIn(shown, {entry == 1 ? "txttieuchuan=11" : "txtsomaytinh=1"}), QString());
    clickButton(computeButton(shown));
    QTRY_VERIFY(calculator(entry) == nullptr || !calculator(entry)->isVisible());

    QListWidget* list = window->loaiQ;
    const QRect entryRect = list->visualItemRect(list->item(entry));
    if (how == QLatin1String("click")) {
        clickEntry(list, entry);
    } else if (how == QLatin1String("double-click")) {
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, entryRect.center());
    } else {
        list->setFocus();
        QTest::keyClick(list, how == QLatin1String("Enter") ? Qt::Key_Enter : Qt::Key_Return);
    }
    QVERIFY(calculator(entry) != nullptr);
    QTRY_VERIFY(calculator(entry)->isVisible());
    QCOMPARE(list->currentRow(), entry);
    QVERIFY(answerer->messages().isEmpty());
    QCOMPARE(window->txtQtong->text(), QStringLiteral("0")); // Enter on the list is a pick
}

// A change of selection dispatching once is tst_Dispatch's; here the same
// entry, refused, then picked again once its field is filled in.
void tst_Windows::refusedEntryPickedAgainOpens() {
    retype(window->txtdoamngoai, "");
    clickEntry(window->loaiQ, 2);
    retype(window->txtdoamngoai, "74");
    clickEntry(window->loaiQ, 2);
    QCOMPARE(answerer->messages(), QStringList{airConditionsMissing});
    QTRY_VERIFY(calculator(2) != nullptr && calculator(2)->isVisible());
}

void tst_Windows::listEntryPickedAgainIsRestored_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::newRow("activity") << 2 << "lstloailaodong" << 0 << "txtq"
                              << "80";
    QTest::newRow("shading") << 4 << "lsthstanxa" << 1 << "txthstanxa"
                             << "0.05";
}

void tst_Windows::listEntryPickedAgainIsRestored() {
    QFETCH(int, entry);
    QFETCH(QString, list);
    QFETCH(int, row);
    QFETCH(QString, field);
    QFETCH(QString, value);
    QWidget* shown = openCalculator(entry);
    QVERIFY(shown != nullptr);
    QCOMPARE(
        fillIn(shown, {QStringLiteral("%1#%2").arg(list).arg(row), field + QStringLiteral("=7")}),
        QString());
    clickEntry(shown->findChild<QListWidget*>(list), row);
    QCOMPARE(shown->findChild<QLineEdit*>(field)->text(), value);
}

void tst_Windows::enterComputes_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<QStringList>("inputs"); // the last typed field has the focus
    QTest::addColumn<QString>("result");     // room field=text, "" for none
    QTest::addColumn<int>("key");

    const struct {
        int entry;
        QStringList inputs;
        const char* result;
    } cases[] = {
        {0, {"txtsomaytinh=4"}, "txtQ1=1200"},
        {2, {"lstloailaodong#0", "txttreem=4"}, "txtQ3=1776"},
        {3, {"txtthetichphong=180"}, "txtQ4=3929"},
        {5, {"txtdtdong=10"}, "txtQ6=141"},
        {7, {"txtchieurong=4", "txtchieudai=5"}, "txtQ8=96"},
        // Tính still disabled: Enter does nothing.
        {1, {"txtdientich=70"}, ""},
        {4, {"txtdong=2"}, ""},
    };
    for (const auto& key : {std::pair{Qt::Key_Return, "Return"}, std::pair{Qt::Key_Enter, "Enter"}})
        for (const auto& c : cases)
            QTest::addRow("%s, %s", c.inputs.last().toLatin1().constData(), key.second)
                << c.entry << c.inputs << QString::fromLatin1(c.result) << int(key.first);
}

void tst_Windows::enterComputes() {
    QFETCH(int, entry);
    QFETCH(QStringList, inputs);
    QFETCH(QString, result);
    QFETCH(int, key);
    QWidget* shown = openCalculator(entry);
    QVERIFY(shown != nullptr);
    // The keys go where the focus is, in the active window: the user's first
    // click in it makes it so, which a click sent to a field does not.
    QVERIFY(activate(shown));
    QCOMPARE(fillIn(shown, inputs), QString());
    const QString roomField = result.section(u'=', 0, 0);
    for (QLineEdit* written : window->Frame1->findChildren<QLineEdit*>())
        written->setText("old");

    auto* focused = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(focused != nullptr && focused->window() == shown);
    QTest::keyClick(focused, Qt::Key(key));
    if (result.isEmpty()) {
        for (QLineEdit* written : window->Frame1->findChildren<QLineEdit*>())
            QCOMPARE(written->text(), QStringLiteral("old"));
        QVERIFY(shown->isVisible());
    } else {
        QCOMPARE(window->findChild<QLineEdit*>(roomField)->text(), result.section(u'=', 1));
        QTRY_VERIFY(calculator(entry) == nullptr || !calculator(entry)->isVisible());
    }
    QVERIFY(answerer->messages().isEmpty());
}

void tst_Windows::enterInTheMainWindow() {
    retype(window->txtQ1, "5");
    QTest::keyClick(window->txtQ1, Qt::Key_Return);
    QCOMPARE(window->txtQtong->text(), QStringLiteral("5"));
    retype(window->txtnhietdongoai, "35");
    retype(window->txtQ2, "2");
    QTest::keyClick(window->txtQ2, Qt::Key_Enter);
    QCOMPARE(window->txtqtongmax->text(), QStringLiteral("7"));
}

void tst_Windows::escapeStepsAside_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("field");
    for (const auto& [entry, field] :
         {std::pair{0, "txtsomayfax"}, std::pair{1, "txtdientich"}, std::pair{2, "txttreem"},
          std::pair{3, "txtthetichphong"}, std::pair{4, "txtnam"}, std::pair{5, "txtdtcua"},
          std::pair{6, "txtdtmaivom"}, std::pair{7, "txtchieudai"}})
        QTest::addRow("%s", field) << entry << field;
}

// Escape hides the calculator as a compute does, but writes nothing; its
// texts wait for the next visit. (The close box still throws them away.)
void tst_Windows::escapeStepsAside() {
    QFETCH(int, entry);
    QFETCH(QString, field);
    QWidget* shown = openCalculator(entry);
    QVERIFY(shown != nullptr);
    QCOMPARE(fillIn(shown, {field + QStringLiteral("=12")}), QString());
    for (QLineEdit* written : window->Frame1->findChildren<QLineEdit*>())
        written->setText("old");
    QTest::keyClick(shown->findChild<QLineEdit*>(field), Qt::Key_Escape);
    QVERIFY(!shown->isVisible());
    QCOMPARE(calculator(entry), shown);
    for (QLineEdit* written : window->Frame1->findChildren<QLineEdit*>())
        QCOMPARE(written->text(), QStringLiteral("old"));

    clickEntry(window->loaiQ, entry == 0 ? 1 : 0);
    clickEntry(window->loaiQ, entry);
    QTRY_VERIFY(shown->isVisible());
    QCOMPARE(shown->findChild<QLineEdit*>(field)->text(), QStringLiteral("12"));
}

void tst_Windows::placement_data() {
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("main");
    QTest::addColumn<int>("commandRowTop");
    QTest::addColumn<QSize>("calculator");
    QTest::addColumn<QPoint>("expected");

    const QRect screen(0, 0, 1280, 800);
    const QRect main(100, 50, 577, 430); // buttons from y 420
    QTest::newRow("room on the right")
        << screen << main << 420 << QSize(400, 300) << QPoint(677, 50);
    QTest::newRow("right, pulled up onto the screen")
        << screen << QRect(100, 600, 577, 430) << 970 << QSize(400, 300) << QPoint(677, 500);
    QTest::newRow("fits the right exactly")
        << screen << main << 420 << QSize(603, 300) << QPoint(677, 50);
    QTest::newRow("a pixel too wide for the right: on the left")
        << screen << QRect(500, 50, 577, 430) << 420 << QSize(204, 300) << QPoint(296, 50);
    QTest::newRow("room on the left only")
        << screen << QRect(700, 50, 577, 430) << 420 << QSize(400, 300) << QPoint(300, 50);
    QTest::newRow("no room beside: over it, above the buttons")
        << screen << QRect(353, 186, 577, 430) << 556 << QSize(741, 355) << QPoint(353, 201);
    QTest::newRow("over it, kept on the screen")
        << QRect(0, 0, 1024, 600) << QRect(400, 100, 577, 430) << 470 << QSize(741, 355)
        << QPoint(283, 115);
    QTest::newRow("too tall to clear the buttons: at the screen's top")
        << QRect(0, 0, 800, 600) << QRect(100, 40, 577, 430) << 410 << QSize(741, 500)
        << QPoint(59, 0);
    QTest::newRow("a screen that does not start at 0")
        << QRect(1280, 24, 1280, 776) << QRect(1300, 30, 577, 430) << 400 << QSize(400, 300)
        << QPoint(1877, 30);
}

void tst_Windows::placement() {
    QFETCH(QRect, screen);
    QFETCH(QRect, main);
    QFETCH(int, commandRowTop);
    QFETCH(QSize, calculator);
    QFETCH(QPoint, expected);
    QCOMPARE(calculatorPlace(screen, main, commandRowTop, calculator), expected);
}

// Every calculator opens wholly on the screen: beside the main window where
// it fits there, else over it, clear of its buttons; where the user moves it,
// it comes back.
void tst_Windows::opensOnTheScreenAndKeepsItsPlace() {
    const QRect screen = window->screen()->availableGeometry();
    // Away from the screen's corner, where a calculator placed anyhow would land.
    window->move(screen.topLeft() + QPoint(screen.width() / 8, screen.height() / 5));
    QTRY_COMPARE(window->pos(), screen.topLeft() + QPoint(screen.width() / 8, screen.height() / 5));
    const QRect buttons = commandRow();
    for (int entry = 0; entry < window->loaiQ->count(); ++entry) {
        QWidget* shown = openCalculator(entry);
        QVERIFY(shown != nullptr);
        const QRect main = frameOf(window);
        QTRY_VERIFY2(screen.contains(frameOf(shown)), qPrintable(shown->objectName()));
        const QRect at = frameOf(shown);
        const bool fitsBeside = main.right() + at.width() <= screen.right() ||
                                main.left() - at.width() >= screen.left();
        if (fitsBeside) {
            QVERIFY2(!at.intersects(main), qPrintable(shown->objectName()));
            QCOMPARE(at.top(), main.top());
        } else if (at.height() <= buttons.top() - main.top()) {
            QVERIFY2(at.top() >= main.top() && !at.intersects(buttons),
                     qPrintable(shown->objectName()));
        }
    }

    QWidget* roof = openCalculator(6);
    QVERIFY(roof != nullptr);
    const QPoint moved = screen.topLeft() + QPoint(10, 10);
    QVERIFY(moveAsUser(roof, moved));
    QTest::keyClick(roof, Qt::Key_Escape);
    QVERIFY(moveAsUser(window, frameOf(window).topLeft() + QPoint(40, 30)));
    clickEntry(window->loaiQ, 5);
    clickEntry(window->loaiQ, 6);
    QVERIFY(waitUntilShown(roof));
    QTRY_COMPARE(frameOf(roof).topLeft(), moved);
}

void tst_Windows::mainWindowPlacement_data() {
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QSize>("main");
    QTest::addColumn<QPoint>("expected"); // (-1, -1): where the window manager puts it

    const QSize main(591, 446);   // with a frame of 16 × 40
    const QSize widest(755, 368); // the glazing calculator, likewise
    QTest::newRow("1366 × 768") << QRect(0, 0, 1366, 768) << main << QPoint(10, 161);
    QTest::newRow("second screen") << QRect(1920, 0, 1920, 1080) << main << QPoint(2207, 317);
    QTest::newRow("just wide enough") << QRect(0, 0, 1346, 600) << main << QPoint(0, 77);
    QTest::newRow("a pixel too narrow: against the left edge")
        << QRect(0, 0, 1345, 800) << main << QPoint(0, 177);
    QTest::newRow("1280 × 800, on a second screen: its left edge")
        << QRect(1366, 0, 1280, 800) << main << QPoint(1366, 177);
    QTest::newRow("too low") << QRect(0, 0, 1600, 400) << main << QPoint(-1, -1);
    QTest::newRow("too narrow for the main window")
        << QRect(0, 0, 590, 800) << main << QPoint(-1, -1);
}

void tst_Windows::mainWindowPlacement() {
    QFETCH(QRect, screen);
    QFETCH(QSize, main);
    QFETCH(QPoint, expected);
    QCOMPARE(mainWindowPlace(screen, main, QSize(755, 368)).value_or(QPoint(-1, -1)), expected);
}

// A calculator the user has not moved opens beside the main window wherever
// that is now.
void tst_Windows::followsTheMovedMainWindow() {
    const QRect screen = window->screen()->availableGeometry();
    QWidget* shown = openCalculator(3);
    QVERIFY(shown != nullptr);
    QTest::keyClick(shown, Qt::Key_Escape);
    QVERIFY(
        moveAsUser(window, screen.topLeft() + QPoint(screen.width() / 10, screen.height() / 5)));
    clickEntry(window->loaiQ, 2);
    clickEntry(window->loaiQ, 3);
    QVERIFY(waitUntilShown(shown));
    const QRect main = frameOf(window);
    if (main.right() + frameOf(shown).width() < screen.right()) // room on its right
        QTRY_VERIFY(!frameOf(shown).intersects(main) && frameOf(shown).top() == main.top());
    else
        QTRY_VERIFY(overTheMainWindow(shown));
    QVERIFY(screen.contains(frameOf(shown)));
}

// However often the user moves the main window, every calculator the user
// has not moved opens beside it where it fits there, else over it. What the
// window manager does to a calculator (framing it, taking its frame away when
// it is hidden) is not the user moving it.
void tst_Windows::followsEveryMoveOfTheMainWindow() {
    const QRect screen = window->screen()->availableGeometry();
    const QSize mainFrame = frameOf(window).size();
    const int spareWidth = screen.width() - mainFrame.width();
    const int spareHeight = std::max(0, screen.height() - mainFrame.height() - 40);
    for (int move = 0; move <= 5; ++move) {
        // Where it opened first; then against the left edge, the right, and
        // back, lower each time.
        const int x = move % 2 == 1 ? spareWidth * (move - 1) / 16 : spareWidth * (16 - move) / 16;
        if (move > 0)
            QVERIFY(moveAsUser(window, screen.topLeft() + QPoint(x, spareHeight * move / 6)));
        const QRect main = frameOf(window);
        for (int entry = 0; entry < window->loaiQ->count(); ++entry) {
            QWidget* shown = openCalculator(entry);
            QVERIFY(shown != nullptr);
            const auto what = [&] {
                const QRect at = frameOf(shown);
                return QStringLiteral("move %1, %2 at %3,%4 %5x%6, main at %7,%8 %9x%10")
                    .arg(move)
                    .arg(shown->objectName())
                    .arg(at.x())
                    .arg(at.y())
                    .arg(at.width())
                    .arg(at.height())
                    .arg(main.x())
                    .arg(main.y())
                    .arg(main.width())
                    .arg(main.height());
            };
            const int width = frameOf(shown).width();
            // The main window opens with room beside it for each calculator
            // that the screen has room for.
            if (move == 0 && mainFrame.width() + width <= screen.width())
                QVERIFY2(main.right() + width <= screen.right() ||
                             main.left() - width >= screen.left(),
                         qPrintable(what() + QStringLiteral(" has no room beside it")));
            if (main.right() + width <= screen.right()) {
                QTRY_VERIFY2(frameOf(shown).topLeft() == main.topRight() + QPoint(1, 0),
                             qPrintable(what() + QStringLiteral(" on the right")));
            } else if (main.left() - width >= screen.left()) {
                QTRY_VERIFY2(frameOf(shown).topRight() == main.topLeft() - QPoint(1, 0),
                             qPrintable(what() + QStringLiteral(" on the left")));
            } else {
                QTRY_VERIFY2(overTheMainWindow(shown),
                             qPrintable(what() + QStringLiteral(" over it")));
            }
            QTest::keyClick(shown, Qt::Key_Escape);
            QTRY_VERIFY(!shown->isVisible());
        }
    }
}

// The window manager must know a calculator belongs to the main window, so
// that bringing the main window forward never buries it.
void tst_Windows::staysAboveTheMainWindow() {
    QWidget* shown = openCalculator(5);
    QVERIFY(shown != nullptr);
    QCOMPARE(shown->windowType(), Qt::Dialog);
    QVERIFY(shown->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QCOMPARE(shown->windowHandle()->transientParent(), window->windowHandle());
    if (!onXcb())
        QSKIP("the stacking order is read from an X11 window manager (not offscreen, not Windows)");

    window->raise();
    QVERIFY(activate(window)); // as a click on it does
    // The window manager's stacking order, bottom to top.
    const auto stacking = [] {
        QProcess xprop;
        xprop.start(QStringLiteral("xprop"),
                    {QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING")});
        xprop.waitForFinished();
        QList<WId> order;
        const QString output = QString::fromLatin1(xprop.readAllStandardOutput());
        for (const QString& id : output.section(u'#', 1).split(u','))
            order << id.trimmed().toULongLong(nullptr, 16);
        return order;
    };
    QTRY_VERIFY(stacking().indexOf(shown->winId()) > stacking().indexOf(window->winId()) &&
                stacking().indexOf(window->winId()) >= 0);
    QVERIFY(shown->isVisible());
}

QTEST_MAIN(tst_Windows)
#include "tst_Windows.moc"
