#pragma once

// What the tests of the glazing and envelope calculators share: the list
// entries that open them, and finding and filling in their cells and lists.

#include <QString>
#include <QStringList>

class QLineEdit;
class QListWidget;
class QWidget;

namespace kelvora::ui::test {

inline constexpr int glazingEntry = 4;
inline constexpr int envelopeEntry = 5;

[[nodiscard]] QLineEdit* field(QWidget* calculator, const QString& name);

[[nodiscard]] QListWidget* list(QWidget* calculator, const QString& name);

// Typed entries are "name=text", picked ones "name#row". False, with the test
// failed, when a field or list is not there.
[[nodiscard]] bool fillIn(QWidget* calculator, const QStringList& inputs);

} // namespace kelvora::ui::test
