// What a screen reader meets in every window: each field, button and list
// has a name, and the name is the caption the user sees beside it.

#include "UiDriver.h"
#include "room/Components.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QLabel>
#include <QTest>

using namespace kelvora::ui::test;

namespace {

bool isInteractive(QAccessible::Role role) {
    return role == QAccessible::EditableText || role == QAccessible::PushButton ||
           role == QAccessible::List || role == QAccessible::ComboBox ||
           role == QAccessible::CheckBox || role == QAccessible::RadioButton;
}

// The objectNames of the interactive controls without a name, walking the
// accessible tree as an assistive technology does.
void collectNameless(QAccessibleInterface* node, QStringList& nameless, int& interactive) {
    if (node == nullptr || node->state().invisible)
        return;
    if (isInteractive(node->role())) {
        ++interactive;
        if (node->text(QAccessible::Name).trimmed().isEmpty())
            nameless << (node->object() != nullptr ? node->object()->objectName()
                                                   : QStringLiteral("<unnamed object>"));
        if (node->role() == QAccessible::List)
            return; // its entries are named by their own texts
    }
    for (int i = 0; i < node->childCount(); ++i)
        collectNameless(node->child(i), nameless, interactive);
}

} // namespace

class tst_Accessibility : public SessionTest {
    Q_OBJECT

private slots:
    void everyControlIsNamed_data();
    void everyControlIsNamed();
    void captionsNameTheirControls_data() { everyControlIsNamed_data(); }
    void captionsNameTheirControls();

private:
    QWidget* show(int entry) { return entry < 0 ? window : openCalculator(entry); }
};

void tst_Accessibility::everyControlIsNamed_data() {
    QTest::addColumn<int>("entry"); // -1: the main window
    QTest::newRow("main window") << -1;
    const auto table = kelvora::room::components();
    for (std::size_t entry = 0; entry < table.size(); ++entry)
        QTest::newRow(table[entry].entryText) << int(entry);
}

void tst_Accessibility::everyControlIsNamed() {
    QFETCH(int, entry);
    QWidget* shown = show(entry);
    QVERIFY(shown != nullptr);
    QStringList nameless;
    int interactive = 0;
    collectNameless(QAccessible::queryAccessibleInterface(shown), nameless, interactive);
    QVERIFY(interactive > 1);
    QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(QLatin1String(", "))));

    // The window itself is announced as one, by its title: the main window as
    // a window, a calculator as a dialog.
    QAccessibleInterface* windowInterface = QAccessible::queryAccessibleInterface(shown);
    QCOMPARE(windowInterface->role(), entry < 0 ? QAccessible::Window : QAccessible::Dialog);
    QCOMPARE(windowInterface->text(QAccessible::Name), shown->windowTitle());
}

void tst_Accessibility::captionsNameTheirControls() {
    QFETCH(int, entry);
    QWidget* shown = show(entry);
    QVERIFY(shown != nullptr);
    for (const QLabel* caption : shown->findChildren<QLabel*>()) {
        if (caption->buddy() == nullptr)
            continue;
        const QString name =
            QAccessible::queryAccessibleInterface(caption->buddy())->text(QAccessible::Name);
        // A caption serving several fields, as in a grid, is one part of each
        // field's name; the row or the column gives the other.
        const QString text = caption->text().simplified();
        QVERIFY2(name == text || name.startsWith(text + QLatin1String(", ")) ||
                     name.endsWith(QLatin1String(", ") + text),
                 qPrintable(caption->objectName() + QLatin1String(": ") + name));
    }
    for (QAbstractButton* button : shown->findChildren<QAbstractButton*>()) {
        const QString name = QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name);
        // Said without the mark of its Alt key, which the reader says apart.
        QCOMPARE(name, QString(button->text()).remove(u'&'));
    }
}

QTEST_MAIN(tst_Accessibility)
#include "tst_Accessibility.moc"
