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

bool fillIn(QWidget* calculator, const QStringList& inputs) {
    for (const QString& input : inputs) {
        if (const qsizetype at = input.indexOf('#'); at > 0) {
            QListWidget* picked = list(calculator, input.left(at));
            if (picked == nullptr) {
                QTest::qFail(qPrintable(QStringLiteral("no list for ") + input), __FILE__,
                             __LINE__);
                return false;
            }
            clickEntry(picked, input.mid(at + 1).toInt());
            continue;
        }
        const qsizetype at = input.indexOf('=');
        QLineEdit* edit = field(calculator, input.left(at));
        if (edit == nullptr) {
            QTest::qFail(qPrintable(QStringLiteral("no field for ") + input), __FILE__, __LINE__);
            return false;
        }
        retype(edit, input.mid(at + 1));
    }
    return true;
}

} // namespace kelvora::ui::test
