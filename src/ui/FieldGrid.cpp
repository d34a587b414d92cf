#include "ui/FieldGrid.h"

namespace kelvora::ui {

QString cellAccessibleName(const QLabel* caption, const QLabel* heading) {
    return caption->text().trimmed() + QStringLiteral(", ") + heading->text().trimmed();
}

} // namespace kelvora::ui
