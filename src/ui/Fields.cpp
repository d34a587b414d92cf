#include "Fields.h"

#include "core/FieldText.h"

#include <QLineEdit>
#include <QMessageBox>

namespace kelvora::ui {

namespace {
constexpr int wholeWatts = 0; // decimals of every component result
} // namespace

double fieldValue(const QLineEdit* field) {
    return fieldValue(field->text());
}

double fieldValue(const QString& text) {
    return kelvora::fieldValue(text.toStdString());
}

void writeRounded(QLineEdit* field, double value) {
    writeUnrounded(field, roundHalfEven(value, wholeWatts));
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
