#include "Fields.h"

#include "core/FieldText.h"

#include <QLineEdit>
#include <QMessageBox>

#include <cmath>

namespace kelvora::ui {

namespace {
constexpr int wholeWatts = 0; // decimals of every component result
// Characters of a user's text that a note quotes: a number written out in
// full, or a room name, fits; a pasted page does not.
constexpr qsizetype longestQuote = 40;
} // namespace

double fieldValue(const QLineEdit* field) {
    return fieldValue(field->text());
}

double fieldValue(const QString& text) {
    return kelvora::fieldValue(text.toStdString());
}

QString numberWords(double value) {
    if (std::isnan(value))
        return QStringLiteral("không phải số");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("vô cùng lớn") : QStringLiteral("âm vô cùng lớn");
    return QString::fromStdString(numberText(value));
}

QString quoted(const QString& text) {
    return text.size() > longestQuote ? text.left(longestQuote - 1) + QChar(0x2026) : text;
}

bool readsOtherwise(const QString& text) {
    const FlagsKept flags; // a text beyond the double range raises the overflow flag
    return !text.isEmpty() && text != QString::fromStdString(numberText(fieldValue(text)));
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
