// Thousands of random user actions on the real windows, from a fixed seed:
// texts of every kind typed or pasted into any field, any list entry picked,
// every button pressed, calculators closed with their close box; only what a
// user can reach, the visible and enabled controls of the windows shown.
// After each action no message box may be left on the screen, and every
// result the program wrote must be a text that reads back to the number it
// shows. It ends with Exit.

#include "UiDriver.h"
#include "core/FieldText.h"
#include "room/Components.h"
#include "ui/windows/CalculatorWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <array>
#include <random>

using namespace kelvora::ui::test;

namespace {

constexpr unsigned seed = 20261208;
constexpr int actionCount = 3000;
constexpr int longTextLength = 30000;

const char* const sampleTexts[] = {
    "0",           "21",
    "-7.5",        "1E308",
    "-1E308",      "1e999",
    "1E-320",      "4.9E-324",
    "2.5",         "0.1",
    "12,5",        ".5",
    "5.",          "-",
    "+",           "e5",
    "1e",          "inf",
    "nan",         "0x10",
    "  3 4 ",      "99999999999999999",
    "Phòng khách", "Nhiệt độ",
    "ẩm ướt",      "e\u0301",
    "Ж",           "\xF0\x9F\x98\x80",
    "\t\n",        "1\r2",
    "\x1b",        "\x7f",
    "\b",
};

// The window's own controls that a user can reach: the main window owns every
// calculator, shown or hidden, and their controls are not its own.
template <class Control> QList<Control*> reachable(const QWidget* window) {
    QList<Control*> controls;
    for (Control* control : window->findChildren<Control*>())
        if (control->window() == window && control->isVisible() && control->isEnabled())
            controls << control;
    return controls;
}

// A box shown and left up rather than run until it is answered.
bool boxOnScreen() {
    for (const QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && qobject_cast<const QMessageBox*>(window) != nullptr)
            return true;
    return false;
}

class Monkey {
public:
    explicit Monkey(kelvora::ui::Kelvora& room)
        : room_(room)
        , random_(seed) {}

    // The windows a user can reach now: the main window and every calculator shown.
    std::vector<QWidget*> visibleWindows() const {
        std::vector<QWidget*> windows{&room_};
        for (int entry = 0; entry < int(kelvora::room::components().size()); ++entry) {
            QWidget* calculator = room_.calculators().window(entry);
            if (calculator != nullptr && calculator->isVisible())
                windows.push_back(calculator);
        }
        return windows;
    }

    // One action; returns the field it typed into, if any.
    QLineEdit* act() {
        const std::vector<QWidget*> windows = visibleWindows();
        QWidget* target = windows[pick(windows.size())];
        switch (pick(10)) {
        case 0:
        case 1:
        case 2:
        case 3:
            return typeInto(target);
        case 4:
        case 5:
            pickEntry(target);
            return nullptr;
        case 6:
        case 7:
        case 8:
            pressButton(target);
            return nullptr;
        default:
            if (target != &room_)
                closeBox(target);
            return nullptr;
        }
    }

private:
    std::size_t pick(std::size_t count) {
        return std::uniform_int_distribution<std::size_t>(0, count - 1)(random_);
    }

    QString randomText() {
        switch (pick(4)) {
        case 0:
            return QString::fromUtf8(sampleTexts[pick(std::size(sampleTexts))]);
        case 1: {
            const double value = std::uniform_real_distribution<double>(-1e6, 1e6)(random_);
            return QString::number(value, 'g', int(1 + pick(17)));
        }
        case 2: {
            const int exponent = int(pick(620)) - 310;
            return QStringLiteral("%1E%2").arg(int(pick(10))).arg(exponent);
        }
        default: {
            QString text;
            for (std::size_t i = pick(12); i > 0; --i)
                text += QChar(char16_t(0x20 + pick(0x5F)));
            return text;
        }
        }
    }

    QLineEdit* typeInto(QWidget* window) {
        const QList<QLineEdit*> fields = reachable<QLineEdit>(window);
        if (fields.isEmpty())
            return nullptr;
        QLineEdit* field = fields[qsizetype(pick(std::size_t(fields.size())))];
        if (pick(20) == 0) {
            // Too long to type: pasted, as a user would.
            const QString text(longTextLength, QChar(pick(2) == 0 ? '9' : 'x'));
            QApplication::clipboard()->setText(text);
            field->setFocus();
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        } else {
            retype(field, randomText());
        }
        return field;
    }

    void pickEntry(QWidget* window) {
        const QList<QListWidget*> lists = reachable<QListWidget>(window);
        if (lists.isEmpty())
            return;
        QListWidget* list = lists[qsizetype(pick(std::size_t(lists.size())))];
        clickEntry(list, int(pick(std::size_t(list->count()))));
    }

    void pressButton(QWidget* window) {
        QList<QPushButton*> buttons = reachable<QPushButton>(window);
        buttons.removeAll(room_.cmdthoat); // Exit ends the run, at the end
        if (!buttons.isEmpty())
            clickButton(buttons[qsizetype(pick(std::size_t(buttons.size())))]);
    }

    kelvora::ui::Kelvora& room_;
    std::mt19937 random_;
};

} // namespace

class tst_Soak : public SessionTest {
    Q_OBJECT

private slots:
    void randomActionsThenExit();
};

void tst_Soak::randomActionsThenExit() {
    // Every field of the result frame: the components, their peaks, the totals.
    const QList<QLineEdit*> results = window->Frame1->findChildren<QLineEdit*>();
    Monkey monkey(*window);
    std::vector<int> programWrites(results.size());
    for (int action = 0; action < actionCount; ++action) {
        std::vector<QString> before(results.size());
        for (qsizetype i = 0; i < results.size(); ++i)
            before[std::size_t(i)] = results[i]->text();

        const QLineEdit* typed = monkey.act();

        QVERIFY2(!boxOnScreen(),
                 qPrintable(QStringLiteral("a box was left open after action %1").arg(action)));
        for (qsizetype i = 0; i < results.size(); ++i) {
            const QString text = results[i]->text();
            if (results[i] == typed || text == before[std::size_t(i)])
                continue;
            ++programWrites[std::size_t(i)];
            const std::string written = text.toStdString();
            QVERIFY2(kelvora::numberText(kelvora::fieldValue(written)) == written,
                     qPrintable(QStringLiteral("action %1 wrote \"%2\" into %3")
                                    .arg(action)
                                    .arg(text, results[i]->objectName())));
        }
    }

    // A run that never got a calculator to compute would prove little.
    for (qsizetype i = 0; i < results.size(); ++i)
        QVERIFY2(programWrites[std::size_t(i)] > 0, qPrintable(results[i]->objectName()));

    clickButton(window->cmdthoat);
    QTRY_VERIFY(!window->isVisible());
    for (int entry = 0; entry < int(kelvora::room::components().size()); ++entry)
        QVERIFY(window->calculators().window(entry) == nullptr);
}

QTEST_MAIN(tst_Soak)
#include "tst_Soak.moc"
