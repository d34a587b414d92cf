#include "ui/windows/WindowAccessibility.h"

#include "ui/notes/PassingNote.h"
#include "ui/windows/CalculatorWindow.h"
#include "ui/windows/Kelvora.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QString>

namespace kelvora::ui {

namespace {

// Qt asks for each class of the object, from its own up to QObject, and
// takes the first answer; a calculator is asked about as CalculatorWindow.
// A passing note is an alert, which a screen reader reads out as it shows.
QAccessibleInterface* windowInterface(const QString& className, QObject* object) {
    if (className == QLatin1String(Kelvora::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    if (className == QLatin1String(CalculatorWindow::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Dialog);
    if (className == QLatin1String(PassingNote::staticMetaObject.className()))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::AlertMessage);
    return nullptr;
}

} // namespace

void announceWindows() {
    QAccessible::installFactory(windowInterface);
}

void stopAnnouncingWindows() {
    QAccessible::removeFactory(windowInterface);
}

} // namespace kelvora::ui
