#pragma once

// The room's air conditions checked against each other. For each side, the
// outdoor and the indoor air, the moisture content is worked out from the
// temperature and the relative humidity, and the enthalpy from the
// temperature and the moisture content, at standard pressure; each field
// then says in a note what it would hold, and is tinted where the typed
// value is further from it than a reading could be off. The fields stay the
// user's: nothing here writes a text, opens a box or touches a calculation.

#include <QObject>

#include <initializer_list>

class QLineEdit;
class QWidget;

namespace kelvora::ui {

// One side's air, as the main window holds it.
struct AirFields {
    QLineEdit* temperatureC;
    QLineEdit* humidityPercent;
    QLineEdit* moistureGPerKg; // g/kg of dry air
    QLineEdit* enthalpyKJPerKg;
};

class AirCheck : public QObject {
    Q_OBJECT

public:
    // Checks each side now and again whenever one of its fields changes.
    AirCheck(std::initializer_list<AirFields> sides, QWidget* window);
};

} // namespace kelvora::ui
