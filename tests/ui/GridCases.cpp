// The helpers that the glazing and envelope tests share, as GridCases.h
// declares them.

#include "GridCases.h"

#include "UiDriver.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QWidget>

namespace kelvora::ui::test {

QLineEdit* field(QWidget* calculator, const QString& name) {
    return calculator->findChild<QLineEdit*>(name);
}

QListWidget* list(QWidget* calculator, const QString& name) {
    return calculator->findChild<QListWidget*>(name);
}

void fillIn(QWidget* calculator, const QStringList& inputs) {
    for (const QString& input : inputs) {
        if (const qsizetype at = input.indexOf('#'); at > 0) {
            clickEntry(list(calculator, input.left(at)), input.mid(at + 1).toInt());
            continue;
        }
        const qsizetype at = input.indexOf('=');
        QLineEdit* edit = field(calculator, input.left(at));
        QVERIFY2(edit != nullptr, qPrintable(input));
        retype(edit, input.mid(at + 1));
    }
}

} // namespace kelvora::ui::test
