#include "ui/windows/frmQ2.h"

#include "core/FieldText.h"
#include "core/LightingHeat.h"
#include "ui/FieldRows.h"
#include "ui/Fields.h"
#include "ui/notes/FieldNotes.h"

#include <QPushButton>

namespace kelvora::ui {

namespace {

using Row = FieldRow<frmQ2>;

// Captions and units stand level with their fields, as high as they are.
constexpr int rowHeightTw = 375;
constexpr int fieldLeftTw = 3240;
constexpr int fieldWidthTw = 1335;
constexpr int unitGapTw = 45; // 3 px at 96 dpi between a field and its unit
constexpr int unitLeftTw = fieldLeftTw + fieldWidthTw + unitGapTw;

constexpr Row lightingRow(int topTw, QLabel* frmQ2::*caption, const char* captionName,
                          const char* captionText, QLineEdit* frmQ2::*field, const char* fieldName,
                          const char* initialText, QLabel* frmQ2::*unit, const char* unitName,
                          const char* unitText) {
    return {caption, {captionName, captionText, {120, topTw, 0, rowHeightTw}},
            field,   {fieldName, initialText, {fieldLeftTw, topTw, fieldWidthTw, rowHeightTw}},
            unit,    {unitName, unitText, {unitLeftTw, topTw, 0, rowHeightTw}}};
}

const Row rows[] = {
    lightingRow(120, &frmQ2::Label1, "Label1", "Nhập diện tích phòng", &frmQ2::txtdientich,
                "txtdientich", "", &frmQ2::dv, "dv", "m2"),
    lightingRow(600, &frmQ2::Label4, "Label4", "Nhập giá trị tiêu chuẩn chiếu sáng ",
                &frmQ2::txttieuchuan, "txttieuchuan", "11", &frmQ2::Label3, "Label3", "W/m2"),
};

} // namespace

frmQ2::frmQ2(const CalculatorSite& site)
    : CalculatorWindow(site, "frmQ2", "Nhập", 5160, 2415) {
    buildRows<frmQ2>(*this, this, rows);
    tinh = makeControl<QPushButton>(this, "tinh", "Tính", {2280, 1680, 855, 375});
    connect(tinh, &QPushButton::clicked, this, &frmQ2::tinh_Click);
    computesWith(tinh, "sửa ô tiêu chuẩn chiếu sáng (xoá rồi gõ lại một chữ số là đủ)");
    connect(txttieuchuan, &QLineEdit::textChanged, this, &frmQ2::txttieuchuan_Change);

    const auto standard = [](double wPerM2) {
        return QString::fromStdString(numberText(wPerM2));
    };
    setNote(txttieuchuan, NoteSource::Rule,
            QStringLiteral("Chỉ nhận %1, %2 hoặc %3 W/m2")
                .arg(standard(lowestLightingStandardWPerM2), standard(usualLightingStandardWPerM2),
                     standard(highestLightingStandardWPerM2)),
            NoteLook::Described);

    chainFocus({txtdientich, txttieuchuan, tinh});
    txtdientich->setFocus();
    Form_Load();
}

void frmQ2::Form_Load() {
    copyFromRoom(txtdientich, room::RoomValue::AreaM2);
    tinh->setEnabled(false);
}

void frmQ2::txttieuchuan_Change() {
    tinh->setEnabled(true);
}

void frmQ2::tinh_Click() {
    FaultCheck faults(this);
    forgetReads();
    const double standardWPerM2 = read(txttieuchuan);
    if (!faults.passed(standardWPerM2))
        return;
    if (!isLightingStandard(standardWPerM2)) {
        showMessage(this, lightingStandardRefusal);
        return;
    }
    const Worked q2W = lightingHeat(read(txtdientich), standardWPerM2);
    // Unlike the others, this calculator forgets its texts after a compute.
    if (deliver(faults, room::ResultKind::Average, q2W))
        close();
}

} // namespace kelvora::ui
