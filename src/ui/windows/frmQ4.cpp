#include "ui/windows/frmQ4.h"

#include "core/InfiltrationHeat.h"
#include "ui/FieldRows.h"
#include "ui/Fields.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kelvora::ui {

namespace {

using Row = FieldRow<frmQ4>;

// The enthalpy units take the volume unit's width: at 615 twips, the width
// they were first drawn with, "KJ/kgkkk" is cut off in the caption font.
constexpr int unitWidthTw = 1215;

constexpr Row infiltrationRow(int topTw, QLabel* frmQ4::*caption, const char* captionName,
                              const char* captionText, QLineEdit* frmQ4::*field,
                              const char* fieldName, QLabel* frmQ4::*unit, const char* unitName,
                              const char* unitText, int unitTopTw) {
    return {caption, {captionName, captionText, {120, topTw, 3015, 255}},
            field,   {fieldName, "", {3360, topTw, 1455, 285}},
            unit,    {unitName, unitText, {4800, unitTopTw, unitWidthTw, 255}}};
}

const Row rows[] = {
    infiltrationRow(120, &frmQ4::Label1, "Label1", "Enthanpy của không khí ngoài trời",
                    &frmQ4::txtenthanpyngoai, "txtenthanpyngoai", &frmQ4::Label10, "Label10",
                    "KJ/kgkkk", 120),
    infiltrationRow(480, &frmQ4::Label2, "Label2", "Enthanpy của không khí trong nhà",
                    &frmQ4::txtenthanpytrong, "txtenthanpytrong", &frmQ4::Label3, "Label3",
                    "KJ/kgkkk", 480),
    infiltrationRow(960, &frmQ4::Label4, "Label4", "Nhập thể tích phòng", &frmQ4::txtthetichphong,
                    "txtthetichphong", &frmQ4::Label11, "Label11", "m3", 1080),
};

} // namespace

frmQ4::frmQ4(const CalculatorSite& site)
    : CalculatorWindow(site, "frmQ4", "Nhiet ton that do ro lot khong khi", 6075, 2595) {
    buildRows<frmQ4>(*this, this, rows);
    tinh = makeControl<QPushButton>(this, "tinh", "Tính", {2760, 1920, 975, 375});
    connect(txtthetichphong, &QLineEdit::textChanged, this, &frmQ4::txtthetichphong_Change);
    connect(tinh, &QPushButton::clicked, this, &frmQ4::tinh_Click);
    computesWith(tinh, "sửa ô thể tích phòng");

    chainFocus({txtenthanpyngoai, txtenthanpytrong, txtthetichphong, tinh});
    txtenthanpyngoai->setFocus();
    Form_Load();
}

void frmQ4::Form_Load() {
    tinh->setEnabled(false);
    copyFromRoom(txtenthanpytrong, room::RoomValue::IndoorEnthalpyKJPerKg);
    copyFromRoom(txtenthanpyngoai, room::RoomValue::OutdoorEnthalpyKJPerKg);
}

void frmQ4::txtthetichphong_Change() {
    tinh->setEnabled(true);
}

void frmQ4::tinh_Click() {
    FaultCheck faults(this);
    forgetReads();
    const Worked airFlowKgPerS = infiltrationAirFlow(read(txtthetichphong));
    if (!faults.passed(airFlowKgPerS.value()))
        return;
    // The enthalpies as this window holds them, edited or not, never the room's.
    const Worked q4W =
        infiltrationHeat(read(txtenthanpyngoai), read(txtenthanpytrong), airFlowKgPerS);
    if (deliver(faults, room::ResultKind::Average, q4W))
        endVisit();
}

} // namespace kelvora::ui
