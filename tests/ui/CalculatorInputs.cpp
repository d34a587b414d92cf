#include "CalculatorInputs.h"

#include "UiDriver.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace kelvora::ui::test {

namespace {

// More presses than any window has controls: a control not reached by then
// is not in the window's focus chain.
constexpr int maxTabPresses = 64;

// Where the name ends; a text may hold either sign, a name neither.
qsizetype nameEnd(const QString& input) {
    const qsizetype typed = input.indexOf(u'=');
    const qsizetype picked = input.indexOf(u'#');
    if (picked < 0 || (typed >= 0 && typed < picked))
        return typed < 0 ? input.size() : typed;
    return picked;
}

bool isPick(const QString& input) {
    const qsizetype end = nameEnd(input);
    return end < input.size() && input[end] == u'#';
}

bool tabTo(QWidget* target) {
    for (int press = 0; press < maxTabPresses; ++press) {
        QWidget* focused = QApplication::focusWidget();
        if (focused == target)
            return true;
        QTest::keyClick(focused != nullptr ? focused : target->window(), Qt::Key_Tab);
    }
    return false;
}

// The row the input names; -1 when it names none of the list's rows, so that
// a typo in a test's inputs fails the test instead of picking some other row.
int rowOf(const QListWidget* list, const QString& input) {
    bool number = false;
    const int row = textOf(input).toInt(&number);
    return number && row >= 0 && row < list->count() ? row : -1;
}

bool picked(const QListWidget* list, int row) {
    return list->currentRow() == row && list->currentItem() != nullptr &&
           list->currentItem()->isSelected();
}

bool pick(QListWidget* list, int row, Input input) {
    if (input == Input::Mouse) {
        clickEntry(list, row);
        return picked(list, row);
    }
    if (!tabTo(list))
        return false;
    const Qt::Key step = row > list->currentRow() ? Qt::Key_Down : Qt::Key_Up;
    while (list->currentRow() != row) {
        const int before = list->currentRow();
        QTest::keyClick(list, step);
        if (list->currentRow() == before)
            return false;
    }
    return picked(list, row);
}

// No field of the program limits or rewrites what is typed into it: a text
// other than the one typed means the keys went elsewhere.
bool type(QLineEdit* field, const QString& text, Input input) {
    if (input == Input::Mouse)
        QTest::mouseClick(field, Qt::LeftButton);
    else if (!tabTo(field))
        return false;
    retype(field, text);
    return field->text() == text;
}

} // namespace

QString nameOf(const QString& input) {
    return input.left(nameEnd(input));
}

QString textOf(const QString& input) {
    return input.mid(nameEnd(input) + 1);
}

QString fillIn(QWidget* calculator, const QStringList& inputs, Input input) {
    for (const QString& entry : inputs) {
        if (isPick(entry)) {
            QListWidget* entries = list(calculator, nameOf(entry));
            if (entries == nullptr)
                return QStringLiteral("list ") + entry;
            const int row = rowOf(entries, entry);
            if (row < 0)
                return QStringLiteral("list %1: no such row, %2 rows")
                    .arg(entry)
                    .arg(entries->count());
            if (!pick(entries, row, input))
                return QStringLiteral("list %1 not picked, current row %2")
                    .arg(entry)
                    .arg(entries->currentRow());
        } else {
            QLineEdit* typed = field(calculator, nameOf(entry));
            if (typed == nullptr || !type(typed, textOf(entry), input))
                return QStringLiteral("field ") + nameOf(entry) +
                       (typed != nullptr ? QStringLiteral(" shows ") + typed->text() : QString());
        }
    }
    return {};
}

QStringList shownFor(const QWidget* window, const QStringList& inputs) {
    QStringList shown;
    for (const QString& input : inputs) {
        const QString name = nameOf(input);
        const auto* control = window->findChild<QWidget*>(name);
        if (control == nullptr) {
            shown << name + QStringLiteral(" missing");
        } else if (isPick(input)) {
            const auto* picked = qobject_cast<const QListWidget*>(control);
            const bool selected = picked != nullptr && picked->currentItem() != nullptr &&
                                  picked->currentItem()->isSelected();
            shown << name + u'#' + QString::number(selected ? picked->currentRow() : -1);
        } else {
            shown << name + u'=' + controlText(control);
        }
    }
    return shown;
}

bool press(QWidget* button, Input input) {
    if (input == Input::Mouse) {
        clickButton(button);
        return true;
    }
    if (!tabTo(button))
        return false;
    QTest::keyClick(button, Qt::Key_Space);
    return true;
}

QPushButton* computeButton(const QWidget* calculator) {
    auto* button = calculator->findChild<QPushButton*>(QStringLiteral("tinh"));
    return button != nullptr ? button
                             : calculator->findChild<QPushButton*>(QStringLiteral("cmdtinh"));
}

QLineEdit* field(const QWidget* calculator, const QString& name) {
    return calculator->findChild<QLineEdit*>(name);
}

QListWidget* list(const QWidget* calculator, const QString& name) {
    return calculator->findChild<QListWidget*>(name);
}

} // namespace kelvora::ui::test
