#include "ui/IdChart.h"

#include "core/ArithmeticFault.h"
#include "core/MoistAir.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>

namespace kelvora::ui {

namespace {

using room::AirPoint;

// What a room's air usually needs, and how far the range grows for a state
// beyond it: a typed 1E300 °C must not shrink the chart to nothing.
constexpr double usualLowestC = 0;
constexpr double usualHighestC = 50;
constexpr double usualHighestGPerKg = 40;
constexpr double boundLowestC = -20;
constexpr double boundHighestC = 100;
constexpr double boundHighestGPerKg = 100;
constexpr double rangeStep = 10; // the range ends on a multiple of this, °C and g/kg
constexpr double rangeMargin = 5;

constexpr double tickStepC = 5;
constexpr double tickStepGPerKg = 5;
constexpr double humidityStepPercent = 10;
constexpr double enthalpyStepKJPerKg = 10;
constexpr double labelledEnthalpyStepKJPerKg = 20;
constexpr double curveStepC = 0.25;
constexpr double curveStepGPerKg = 0.25;

constexpr int markRadiusPx = 4;
constexpr int gapPx = 4;

const std::array<QColor, 2> sideColours = {QColor(170, 20, 20), QColor(20, 60, 170)};

// The states a side marks: as typed first, then where its other values put it.
std::vector<std::pair<QString, AirPoint>> statesOf(const ChartSide& side) {
    std::vector<std::pair<QString, AirPoint>> states;
    if (side.state.typed)
        states.emplace_back(side.label, *side.state.typed);
    if (side.state.byHumidity)
        states.emplace_back(side.label + QStringLiteral(" (theo t, φ)"), *side.state.byHumidity);
    if (side.state.byEnthalpy)
        states.emplace_back(side.label + QStringLiteral(" (theo I, d)"), *side.state.byEnthalpy);
    return states;
}

QString numberLabel(double value) {
    return QString::number(value, 'g', 6);
}

} // namespace

IdChart::IdChart(QWidget* parent)
    : QWidget(parent) {
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void IdChart::setSides(std::vector<ChartSide> sides) {
    sides_ = std::move(sides);
    update();
}

QPointF IdChart::Axes::at(AirPoint point) const {
    return {plot.left() + point.moistureGPerKg / highestGPerKg * plot.width(),
            plot.bottom() - (point.temperatureC - lowestC) / (highestC - lowestC) * plot.height()};
}

bool IdChart::Axes::holds(AirPoint point) const {
    return point.temperatureC >= lowestC && point.temperatureC <= highestC &&
           point.moistureGPerKg >= 0 && point.moistureGPerKg <= highestGPerKg;
}

IdChart::Axes IdChart::axes() const {
    const FlagsKept flags;
    Axes axes{usualLowestC, usualHighestC, usualHighestGPerKg, {}};
    for (const ChartSide& side : sides_)
        for (const auto& [label, point] : statesOf(side)) {
            axes.lowestC =
                std::min(axes.lowestC,
                         std::floor((point.temperatureC - rangeMargin) / rangeStep) * rangeStep);
            axes.highestC =
                std::max(axes.highestC,
                         std::ceil((point.temperatureC + rangeMargin) / rangeStep) * rangeStep);
            axes.highestGPerKg =
                std::max(axes.highestGPerKg,
                         std::ceil((point.moistureGPerKg + rangeMargin) / rangeStep) * rangeStep);
        }
    axes.lowestC = std::max(axes.lowestC, boundLowestC);
    axes.highestC = std::min(axes.highestC, boundHighestC);
    axes.highestGPerKg = std::min(axes.highestGPerKg, boundHighestGPerKg);

    const QFontMetrics metrics(font());
    const double left = metrics.horizontalAdvance(QStringLiteral("-20")) + 2 * gapPx;
    const double top = metrics.height() + 2 * gapPx;
    const double bottom = 2 * metrics.height() + 2 * gapPx;
    const double right = metrics.horizontalAdvance(QStringLiteral("100")) / 2.0 + 2 * gapPx;
    axes.plot = QRectF(left, top, width() - left - right, height() - top - bottom);
    return axes;
}

std::vector<IdChart::Tick> IdChart::ticks() const {
    const Axes axes = this->axes();
    std::vector<Tick> ticks;
    for (double d = 0; d <= axes.highestGPerKg; d += tickStepGPerKg)
        ticks.push_back({Qt::Horizontal, d, axes.at({axes.lowestC, d}).x()});
    for (double t = axes.lowestC; t <= axes.highestC; t += tickStepC)
        ticks.push_back({Qt::Vertical, t, axes.at({t, 0}).y()});
    return ticks;
}

std::vector<IdChart::Mark> IdChart::marks() const {
    const Axes axes = this->axes();
    std::vector<Mark> marks;
    for (std::size_t index = 0; index < sides_.size(); ++index)
        for (const auto& [label, point] : statesOf(sides_[index]))
            if (axes.holds(point))
                marks.push_back({label, axes.at(point), index, label == sides_[index].label});
    return marks;
}

void IdChart::paintEvent(QPaintEvent* /*event*/) {
    const FlagsKept flags;
    const Axes axes = this->axes();
    if (axes.plot.width() <= 0 || axes.plot.height() <= 0)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = palette().color(QPalette::Text);
    const QFontMetrics metrics(font());

    // The grid and the scales.
    for (const Tick& tick : ticks()) {
        painter.setPen(QPen(QColor(220, 220, 220), 1));
        const QString label = numberLabel(tick.value);
        if (tick.axis == Qt::Horizontal) {
            painter.drawLine(QPointF(tick.pixel, axes.plot.top()),
                             QPointF(tick.pixel, axes.plot.bottom()));
            painter.setPen(ink);
            painter.drawText(QPointF(tick.pixel - metrics.horizontalAdvance(label) / 2.0,
                                     axes.plot.bottom() + gapPx + metrics.ascent()),
                             label);
        } else {
            painter.drawLine(QPointF(axes.plot.left(), tick.pixel),
                             QPointF(axes.plot.right(), tick.pixel));
            painter.setPen(ink);
            painter.drawText(QPointF(axes.plot.left() - gapPx - metrics.horizontalAdvance(label),
                                     tick.pixel + metrics.ascent() / 2.0 - 1),
                             label);
        }
    }
    painter.setPen(ink);
    painter.drawRect(axes.plot);
    painter.drawText(QPointF(gapPx, metrics.ascent() + gapPx), QStringLiteral("t, °C"));
    const QString alongTitle = QStringLiteral("d, g/kg;  I, kJ/kg;  p = 101.325 kPa");
    painter.drawText(QPointF(axes.plot.right() - metrics.horizontalAdvance(alongTitle),
                             axes.plot.bottom() + 2 * gapPx + metrics.height() + metrics.ascent()),
                     alongTitle);

    painter.save();
    painter.setClipRect(axes.plot);
    const double lowestCurveC = std::max(axes.lowestC, lowestCheckedC);

    // Lines of relative humidity, the saturation curve the last and boldest.
    for (double humidity = humidityStepPercent; humidity <= highestHumidityPercent;
         humidity += humidityStepPercent) {
        QPolygonF line;
        for (double t = lowestCurveC; t <= axes.highestC; t += curveStepC) {
            const std::optional<double> d = moistureContentGPerKg(t, humidity);
            if (!d)
                break;
            line << axes.at({t, *d});
            if (*d > axes.highestGPerKg)
                break;
        }
        const bool saturation = humidity >= highestHumidityPercent;
        painter.setPen(QPen(saturation ? ink : QColor(90, 140, 90), saturation ? 2 : 1));
        painter.drawPolyline(line);
        // Its value where it leaves the chart, at the top or on the right.
        if (!line.isEmpty()) {
            const QPointF end(std::min(line.back().x(), axes.plot.right()),
                              std::max(line.back().y(), axes.plot.top()));
            const QString label = QStringLiteral("%1 %").arg(numberLabel(humidity));
            painter.drawText(QPointF(end.x() - metrics.horizontalAdvance(label) - gapPx,
                                     end.y() + metrics.ascent() + 1),
                             label);
        }
    }

    // Lines of constant enthalpy, from the dry side to the saturation curve.
    const double highestEnthalpy =
        kelvora::enthalpyKJPerKg(std::max(axes.highestC, 0.0), axes.highestGPerKg).value_or(0);
    painter.setPen(QPen(QColor(150, 120, 60), 1, Qt::DashLine));
    for (double enthalpy = std::ceil(axes.lowestC / enthalpyStepKJPerKg) * enthalpyStepKJPerKg;
         enthalpy <= highestEnthalpy; enthalpy += enthalpyStepKJPerKg) {
        QPolygonF line;
        for (double d = 0; d <= axes.highestGPerKg; d += curveStepGPerKg) {
            const std::optional<double> t = temperatureAtEnthalpyC(enthalpy, d);
            if (!t || *t < axes.lowestC)
                break;
            const std::optional<double> saturated = moistureContentGPerKg(*t, 100);
            if (saturated && *saturated < d)
                break;
            line << axes.at({*t, d});
        }
        painter.drawPolyline(line);
        // Its value where it meets the saturation curve, on the curve's far side.
        if (!line.isEmpty() && axes.plot.contains(line.back()) &&
            std::fmod(enthalpy, labelledEnthalpyStepKJPerKg) == 0) {
            painter.save();
            painter.setPen(QColor(150, 120, 60));
            painter.drawText(line.back() + QPointF(gapPx, metrics.ascent()),
                             QStringLiteral("I=%1").arg(numberLabel(enthalpy)));
            painter.restore();
        }
    }

    // The room's states: the sides as typed, joined; where a side's values
    // disagree, where the others put it, joined to it by a dashed line.
    std::vector<QPointF> typed;
    for (std::size_t index = 0; index < sides_.size(); ++index) {
        const ChartSide& side = sides_[index];
        const QColor colour = sideColours[index % sideColours.size()];
        if (!side.state.typed)
            continue;
        const QPointF home = axes.at(*side.state.typed);
        typed.push_back(home);
        for (const std::optional<AirPoint>& other : {side.state.byHumidity, side.state.byEnthalpy})
            if (other) {
                painter.setPen(QPen(colour, 1, Qt::DashLine));
                painter.drawLine(home, axes.at(*other));
            }
    }
    if (typed.size() == 2) {
        painter.setPen(QPen(ink, 1.5));
        painter.drawLine(typed[0], typed[1]);
    }
    // The marks as marks() gives them, so that what is read off the chart is what is drawn.
    for (const Mark& mark : marks()) {
        const QColor colour = sideColours[mark.side % sideColours.size()];
        painter.setPen(QPen(colour, 2));
        painter.setBrush(mark.asTyped ? QBrush(colour) : QBrush(Qt::white));
        painter.drawEllipse(mark.at, markRadiusPx, markRadiusPx);
        painter.setBrush(Qt::NoBrush);
        painter.drawText(mark.at + QPointF(markRadiusPx + gapPx, -gapPx), mark.label);
    }
    painter.restore();
}

} // namespace kelvora::ui
