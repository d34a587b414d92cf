#include "ui/WindowAccessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMetaClassInfo>
#include <QMetaEnum>
#include <QString>
#include <QWidget>

namespace kelvora::ui {

namespace {

// Qt asks for each class of the object, from its own up to QObject, and
// takes the first answer: a calculator is announced as the role its base
// class declares.
QAccessibleInterface* windowInterface(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    const QMetaObject* meta = object->metaObject();
    const int index = meta->indexOfClassInfo("accessibleRole");
    if (index < 0)
        return nullptr;
    bool known = false;
    const int role =
        QMetaEnum::fromType<QAccessible::Role>().keyToValue(meta->classInfo(index).value(), &known);
    return known ? new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role)) : nullptr;
}

} // namespace

void announceWindows() {
    QAccessible::installFactory(windowInterface);
}

void stopAnnouncingWindows() {
    QAccessible::removeFactory(windowInterface);
}

} // namespace kelvora::ui
