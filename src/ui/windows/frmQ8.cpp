#include "ui/windows/frmQ8.h"

#include "core/FloorHeat.h"
#include "ui/FieldRows.h"
#include "ui/Fields.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kelvora::ui {

namespace {

using Row = FieldRow<frmQ8>;

// Captions and units stand level with their fields, as high as they are; a
// caption ends short of the fields at 3120.
constexpr int rowHeightTw = 375;
constexpr TwipsRect caption(int topTw) {
    return {360, topTw, 2655, rowHeightTw};
}
constexpr TwipsRect field(int topTw) {
    return {3120, topTw, 1455, rowHeightTw};
}
constexpr TwipsRect unit(int topTw) {
    return {4560, topTw, 375, rowHeightTw};
}

const Row rows[] = {
    {&frmQ8::label1,
     {"label1", "Nhiệt độ không khí ngoài trời", caption(240)},
     &frmQ8::txtnhietdongoai,
     {"txtnhietdongoai", "", field(240)}},
    {&frmQ8::Label2,
     {"Label2", "Nhiệt độ không khí trong phòng", caption(720)},
     &frmQ8::txtnhietdotrong,
     {"txtnhietdotrong", "", field(720)}},
    {&frmQ8::Label3,
     {"Label3", "Nhập chiều dài phòng", caption(1200)},
     &frmQ8::txtchieudai,
     {"txtchieudai", "0", field(1200)},
     &frmQ8::Label5,
     {"Label5", "m", unit(1200)}},
    {&frmQ8::Label4,
     {"Label4", "Nhập chiều rộng phòng", caption(1680)},
     &frmQ8::txtchieurong,
     {"txtchieurong", "0", field(1680)},
     &frmQ8::Label6,
     {"Label6", "m", unit(1680)}},
};

} // namespace

frmQ8::frmQ8(const CalculatorSite& site)
    : CalculatorWindow(site, "frmQ8", "Nhiet truyen qua nen", 6150, 3870) {
    buildRows<frmQ8>(*this, this, rows);
    tinh = makeControl<QPushButton>(this, "tinh", "Tính", {2520, 2640, 1215, 495});
    connect(tinh, &QPushButton::clicked, this, &frmQ8::tinh_Click);
    computesWith(tinh);

    chainFocus({txtnhietdongoai, txtnhietdotrong, txtchieudai, txtchieurong, tinh});
    txtnhietdongoai->setFocus();
    Form_Load();
}

void frmQ8::Form_Load() {
    copyFromRoom(txtnhietdotrong, room::RoomValue::IndoorC);
    copyFromRoom(txtnhietdongoai, room::RoomValue::OutdoorC);
}

void frmQ8::tinh_Click() {
    FaultCheck faults(this);
    forgetReads();
    // The status flags keep what any zone area or rule raised, so one check covers them.
    const Worked q8W = floorHeat({.lengthM = read(txtchieudai),
                                  .widthM = read(txtchieurong),
                                  .outdoorC = read(txtnhietdongoai),
                                  .indoorC = read(txtnhietdotrong)});
    if (deliver(faults, room::ResultKind::Average, q8W))
        endVisit();
}

} // namespace kelvora::ui
