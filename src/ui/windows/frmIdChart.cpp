#include "ui/windows/frmIdChart.h"

#include "room/RoomModel.h"
#include "room/Words.h"
#include "ui/IdChart.h"
#include "ui/Layout.h"

#include <QLabel>
#include <QStringList>

namespace kelvora::ui {

namespace {

constexpr int insideWidthTw = 7200;
constexpr int insideHeightTw = 6480;
constexpr int chartHeightTw = 5520;

struct SideWords {
    room::AirSide side;
    const char* label; // on the chart
    const char* name;  // in the description
};

constexpr SideWords sideWords[] = {
    {room::AirSide::Outdoor, "ngoài", "Ngoài trời"},
    {room::AirSide::Indoor, "trong", "Trong phòng"},
};

QString fixed(double value, int decimals) {
    return QString::number(value, 'f', decimals);
}

// "Ngoài trời: 34.6 °C, độ ẩm 74 %, dung ẩm 26 g/kg, enthanpy 101.6478 kJ/kg",
// then where the values that disagree put the air.
QString described(const room::RoomModel& room, const SideWords& words) {
    const room::AirValues values = room::airValues(words.side);
    const room::AirState state = room.air(words.side);
    QStringList said{
        QStringLiteral("%1 °C").arg(room::quoted(room.text(values.temperatureC))),
        QStringLiteral("độ ẩm %1 %").arg(room::quoted(room.text(values.humidityPercent))),
        QStringLiteral("dung ẩm %1 g/kg").arg(room::quoted(room.text(values.moistureGPerKg))),
        QStringLiteral("enthanpy %1 kJ/kg").arg(room::quoted(room.text(values.enthalpyKJPerKg)))};
    QString line = QString::fromUtf8(words.name) + QStringLiteral(": ") + said.join(", ");
    if (!state.typed)
        line += QStringLiteral("; không vẽ được: nhiệt độ hoặc dung ẩm không đọc được");
    if (state.byHumidity)
        line += QStringLiteral("; theo nhiệt độ và độ ẩm, dung ẩm %1 g/kg")
                    .arg(fixed(state.byHumidity->moistureGPerKg, 3));
    if (state.byEnthalpy)
        line += QStringLiteral("; theo enthanpy và dung ẩm, nhiệt độ %1 °C")
                    .arg(fixed(state.byEnthalpy->temperatureC, 1));
    return line + u'.';
}

} // namespace

frmIdChart::frmIdChart(const room::RoomModel& room, QWidget* owner)
    : OwnedWindow(owner, "frmIdChart", "Biểu đồ I-d", insideWidthTw, insideHeightTw)
    , room_(room) {
    picIdChart = new IdChart(this);
    picIdChart->setObjectName(QStringLiteral("picIdChart"));
    placeInTwips(picIdChart, {0, 0, insideWidthTw, chartHeightTw});
    lblmota = makeControl<QLabel>(
        this, "lblmota", "",
        {120, chartHeightTw + 60, insideWidthTw - 240, insideHeightTw - chartHeightTw - 120});
    lblmota->setWordWrap(true);
    lblmota->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(&room_, &room::RoomModel::statesChanged, this, &frmIdChart::showRoom);
    showRoom();
}

void frmIdChart::showRoom() {
    std::vector<ChartSide> sides;
    QStringList words;
    for (const SideWords& side : sideWords) {
        sides.push_back({QString::fromUtf8(side.label), room_.air(side.side)});
        words << described(room_, side);
    }
    picIdChart->setSides(std::move(sides));
    const QString description = words.join(u'\n');
    lblmota->setText(description);
    setAccessibleDescription(description);
    picIdChart->setAccessibleName(windowTitle());
    picIdChart->setAccessibleDescription(description);
}

} // namespace kelvora::ui
