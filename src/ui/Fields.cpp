#include "ui/Fields.h"

#include "core/FieldText.h"

#include <QLineEdit>
#include <QMessageBox>

#include <cmath>

namespace kelvora::ui {

double fieldValue(const QLineEdit* field) {
    return fieldValue(field->text());
}

double fieldValue(const QString& text) {
    return room::readNumber(text);
}

void writeUnrounded(QLineEdit* field, double value) {
    field->setText(QString::fromStdString(numberText(value)));
}

void showMessage(QWidget* parent, std::string_view text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Kelvora"),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                    QMessageBox::Ok, parent);
    box.exec();
}

FaultCheck::FaultCheck(QWidget* parent)
    : parent_(parent) {}

void FaultCheck::restart() {
    watch_.restart();
}

bool FaultCheck::passed(double result) {
    const ArithmeticFault fault = watch_.check(result);
    if (fault == ArithmeticFault::None)
        return true;
    showMessage(parent_, faultMessage(fault));
    return false;
}

} // namespace kelvora::ui
