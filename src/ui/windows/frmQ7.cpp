#include "ui/windows/frmQ7.h"

#include "core/RoofHeat.h"
#include "ui/FieldRows.h"
#include "ui/Fields.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kelvora::ui {

namespace {

using Row = FieldRow<frmQ7>;

// Captions of the roof rows sit a little below their fields' tops and end
// short of the field to their right; the temperature captions stand level
// with their fields.
constexpr int captionHeightTw = 255;
constexpr int areaCaptionWidthTw = 2415;        // up to the area fields at 2640
constexpr int coefficientCaptionWidthTw = 1695; // up to the coefficient fields at 5520
constexpr int absorptionCaptionWidthTw = 5295;  // likewise, from the window's edge
constexpr int unitWidthTw = 735;

constexpr TwipsRect field(int leftTw, int topTw) {
    return {leftTw, topTw, 735, 285};
}
constexpr TwipsRect caption(int leftTw, int topTw, int widthTw) {
    return {leftTw, topTw, widthTw, captionHeightTw};
}

const Row rows[] = {
    {&frmQ7::Label1,
     {"Label1", "Diện tích mái bằng(bêtông)", caption(120, 360, areaCaptionWidthTw)},
     &frmQ7::txtdtmaibang,
     {"txtdtmaibang", "0", field(2640, 270)}},
    {&frmQ7::Label3,
     {"Label3", "Hệ số truyền nhiệt", caption(3720, 360, coefficientCaptionWidthTw)},
     &frmQ7::txthstnmaibang,
     {"txthstnmaibang", "0.038", field(5520, 270)},
     &frmQ7::Label5,
     {"Label5", "W/m2.k", caption(6360, 360, unitWidthTw)}},
    {&frmQ7::Label9,
     {"Label9", "Hệ số hấp hụ của vật liệu làm bề mặt mái bằng",
      caption(120, 720, absorptionCaptionWidthTw)},
     &frmQ7::txthshtmaibang,
     {"txthshtmaibang", "0.55", field(5520, 720)}},
    {&frmQ7::Label2,
     {"Label2", "Diện tích mái vòm(tole)", caption(120, 1200, areaCaptionWidthTw)},
     &frmQ7::txtdtmaivom,
     {"txtdtmaivom", "0", field(2640, 1110)}},
    {&frmQ7::Label4,
     {"Label4", "Hệ số truyền nhiệt", caption(3720, 1200, coefficientCaptionWidthTw)},
     &frmQ7::txthstnmaivom,
     {"txthstnmaivom", "0.035", field(5520, 1110)},
     &frmQ7::Label6,
     {"Label6", "W/m2.k", caption(6360, 1200, unitWidthTw)}},
    {&frmQ7::Label10,
     {"Label10", "Hệ số hấp hụ của vật liệu làm bề mặt mái vòm",
      caption(120, 1560, absorptionCaptionWidthTw)},
     &frmQ7::txthshtmaivom,
     {"txthshtmaivom", "0.6", field(5520, 1560)}},
    {&frmQ7::Label7,
     {"Label7", "Nhiệt độ không khí trong phòng", {120, 2040, 2895, 285}},
     &frmQ7::txtnhietdotrong,
     {"txtnhietdotrong", "", field(3120, 2040)}},
    {&frmQ7::Label8,
     {"Label8", "Nhiệt độ không khí ngoài trời", {120, 2520, 2895, 285}},
     &frmQ7::txtnhietdongoai,
     {"txtnhietdongoai", "", field(3120, 2520)}},
};

} // namespace

frmQ7::frmQ7(const CalculatorSite& site)
    : CalculatorWindow(site, "frmQ7", "Nhiet luong ton that do buc xa qua mai", 8130, 3600) {
    buildRows<frmQ7>(*this, this, rows);
    cmdtinh = makeControl<QPushButton>(this, "cmdtinh", "Tinh", {3480, 3000, 1215, 495});
    connect(cmdtinh, &QPushButton::clicked, this, &frmQ7::cmdtinh_Click);
    computesWith(cmdtinh);
    // The first coefficients are no real roof's; they stay, marked.
    for (QLineEdit* transfer : {txthstnmaibang, txthstnmaivom})
        markRange(transfer, RoomQuantity::HeatTransferWPerM2K);
    for (QLineEdit* absorption : {txthshtmaibang, txthshtmaivom})
        markRange(absorption, RoomQuantity::Absorption);

    chainFocus({txtdtmaibang, txtdtmaivom, txthstnmaibang, txthstnmaivom, cmdtinh, txtnhietdongoai,
                txtnhietdotrong, txthshtmaibang, txthshtmaivom});
    txtdtmaibang->setFocus();
    Form_Load();
}

void frmQ7::Form_Load() {
    copyFromRoom(txtnhietdotrong, room::RoomValue::IndoorC);
    copyFromRoom(txtnhietdongoai, room::RoomValue::OutdoorC);
}

void frmQ7::cmdtinh_Click() {
    FaultCheck faults(this);
    forgetReads();
    // A part without area adds nothing: its coefficients are no inputs of the result.
    const auto part = [this](const QLineEdit* area, const QLineEdit* transfer,
                             const QLineEdit* absorption) {
        const double areaM2 = read(area);
        const auto coefficient = [this, areaM2](const QLineEdit* field) {
            return areaM2 != 0 ? read(field) : fieldValue(field);
        };
        return RoofPart{.areaM2 = areaM2,
                        .transferWPerM2K = coefficient(transfer),
                        .absorption = coefficient(absorption)};
    };
    const Roof roof{.flat = part(txtdtmaibang, txthstnmaibang, txthshtmaibang),
                    .vaulted = part(txtdtmaivom, txthstnmaivom, txthshtmaivom),
                    .outdoorC = read(txtnhietdongoai),
                    .indoorC = read(txtnhietdotrong)};
    // One check a pass is enough: the status flags keep what any step raised.
    // The peak goes in first and stays, even when the average pass then fails.
    if (!deliver(faults, room::ResultKind::Peak, roofHeat(roof, peakRoofRadiationWPerM2)))
        return;
    faults.restart();
    if (deliver(faults, room::ResultKind::Average, roofHeat(roof, averageRoofRadiationWPerM2)))
        endVisit();
}

} // namespace kelvora::ui
