// The helpers that the occupant, infiltration, roof and floor tests share, as
// RowCases.h declares them.

#include "RowCases.h"

#include <QPushButton>
#include <QWidget>

namespace kelvora::ui::test {

QString nameOf(const QString& pair) {
    return pair.section('=', 0, 0);
}
QString textOf(const QString& pair) {
    return pair.section('=', 1);
}

QPushButton* computeButton(QWidget* calculator) {
    auto* button = calculator->findChild<QPushButton*>(QStringLiteral("tinh"));
    return button != nullptr ? button
                             : calculator->findChild<QPushButton*>(QStringLiteral("cmdtinh"));
}

} // namespace kelvora::ui::test
