#pragma once

// The I-d chart of moist air at standard pressure, as Vietnamese engineers
// read it: moisture content d (g/kg) along, temperature t (°C) up, the
// saturation curve, lines of relative humidity every 10 % and of constant
// enthalpy I every 10 kJ/kg. The owner hands it the states to mark (each
// side's air as the room model places it) and it draws them; every line is
// worked out by the moist-air functions as it is drawn, nothing is kept. The
// plotted range grows to take in a state beyond it, within bounds.

#include "room/AirCheck.h"

#include <QPointF>
#include <QString>
#include <QWidget>

#include <cstddef>
#include <vector>

namespace kelvora::ui {

// A side's air as the chart marks it: "ngoài" with its states.
struct ChartSide {
    QString label;
    room::AirState state;
};

class IdChart : public QWidget {
    Q_OBJECT

public:
    explicit IdChart(QWidget* parent);

    void setSides(std::vector<ChartSide> sides);

    // A labelled tick on an axis, where it is drawn: what a reader of the
    // chart reads a point's values off.
    struct Tick {
        Qt::Orientation axis; // Horizontal: moisture content, g/kg; Vertical: temperature, °C
        double value;
        double pixel; // x for the moisture content, y for the temperature
    };
    [[nodiscard]] std::vector<Tick> ticks() const;

    // A state marked on the chart, where it is drawn.
    struct Mark {
        QString label; // "trong", "trong (theo t, φ)", "trong (theo I, d)"
        QPointF at;
        std::size_t side; // in the order the sides were set
        bool asTyped;     // else where the side's other values put it
    };
    [[nodiscard]] std::vector<Mark> marks() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Axes {
        double lowestC, highestC, highestGPerKg;
        QRectF plot;
        [[nodiscard]] QPointF at(room::AirPoint point) const;
        [[nodiscard]] bool holds(room::AirPoint point) const;
    };
    [[nodiscard]] Axes axes() const;

    std::vector<ChartSide> sides_;
};

} // namespace kelvora::ui
