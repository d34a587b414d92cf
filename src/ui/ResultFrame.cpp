#include "ui/ResultFrame.h"

#include <QPainter>
#include <QStyleOptionGroupBox>

namespace kelvora::ui {

namespace {

constexpr double cornerRadiusPx = 2.0;
constexpr int titleGapPx = 2;
constexpr int borderDarkerPercent = 125;
constexpr int shadeDarkerPercent = 102;

} // namespace

ResultFrame::ResultFrame(const QString& title, QWidget* parent)
    : QGroupBox(title, parent) {}

void ResultFrame::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    // The border stands where the style would put it, below the title; the
    // style still draws the title, over it.
    const QRect title =
        style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
    QRectF border(rect());
    border.setTop(title.bottom() + titleGapPx);
    painter.setRenderHint(QPainter::Antialiasing);
    // A light line over a faint shade, as the style's image has them.
    const QColor window = palette().color(QPalette::Window);
    painter.setPen(window.darker(borderDarkerPercent));
    painter.setBrush(window.darker(shadeDarkerPercent));
    painter.drawRoundedRect(border.adjusted(1.5, 0.5, -1.5, -0.5), cornerRadiusPx, cornerRadiusPx);
    painter.setRenderHint(QPainter::Antialiasing, false);

    option.subControls &= ~QStyle::SC_GroupBoxFrame;
    style()->drawComplexControl(QStyle::CC_GroupBox, &option, &painter, this);
}

} // namespace kelvora::ui
