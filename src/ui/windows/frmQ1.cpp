#include "ui/windows/frmQ1.h"

#include "core/EquipmentHeat.h"
#include "ui/FieldRows.h"
#include "ui/Fields.h"

#include <QPushButton>

namespace kelvora::ui {

namespace {

using Row = FieldRow<frmQ1>;

constexpr Row machineRow(int topTw, QLabel* frmQ1::*caption, const char* captionName,
                         const char* captionText, QLineEdit* frmQ1::*field, const char* fieldName,
                         QLabel* frmQ1::*unit, const char* unitName) {
    return {caption, {captionName, captionText, {120, topTw, 2415, 255}},
            field,   {fieldName, "", {2520, topTw, 735, 285}},
            unit,    {unitName, "Máy ", {3360, topTw, 615, 255}}};
}

const Row rows[] = {
    machineRow(240, &frmQ1::Label2, "Label2", "Số máy vi tính", &frmQ1::txtsomaytinh,
               "txtsomaytinh", &frmQ1::Label8, "Label8"),
    machineRow(600, &frmQ1::Label1, "Label1", "Số máy Fax", &frmQ1::txtsomayfax, "txtsomayfax",
               &frmQ1::Label9, "Label9"),
    machineRow(960, &frmQ1::Label16, "Label16", "Số máy In", &frmQ1::txtsomayin, "txtsomayin",
               &frmQ1::Label11, "Label11"),
    machineRow(1320, &frmQ1::Label4, "Label4", "Số máy Photo", &frmQ1::txtsomayphoto,
               "txtsomayphoto", &frmQ1::Label12, "Label12"),
    machineRow(1680, &frmQ1::Label5, "Label5", "Số máy Scan", &frmQ1::txtsomayscan, "txtsomayscan",
               &frmQ1::Label13, "Label13"),
    machineRow(2040, &frmQ1::Label6, "Label6", "Số máy Chiếu", &frmQ1::txtsomaychieu,
               "txtsomaychieu", &frmQ1::Label14, "Label14"),
    {&frmQ1::Label7,
     {"Label7", "Công suất các thiết bị  khác", {120, 2400, 2415, 255}},
     &frmQ1::txtcongsuatmaykhac,
     {"txtcongsuatmaykhac", "0", {2520, 2400, 735, 285}},
     &frmQ1::Label10,
     {"Label10", "W", {3360, 2520, 735, 255}}},
};

} // namespace

frmQ1::frmQ1(const CalculatorSite& site)
    : CalculatorWindow(site, "frmQ1", "Tinh Nhiet do may moc ", 5160, 3900) {
    buildRows<frmQ1>(*this, this, rows);
    cmdtinh = makeControl<QPushButton>(this, "cmdtinh", "Tính", {1680, 3120, 1215, 495});
    connect(cmdtinh, &QPushButton::clicked, this, &frmQ1::cmdtinh_Click);
    computesWith(cmdtinh);

    chainFocus({cmdtinh, txtsomaytinh, txtcongsuatmaykhac, txtsomaychieu, txtsomayscan,
                txtsomayphoto, txtsomayin, txtsomayfax});
    cmdtinh->setFocus();
}

void frmQ1::cmdtinh_Click() {
    FaultCheck faults(this);
    forgetReads();
    const Worked q1W = equipmentHeat({.computers = read(txtsomaytinh),
                                      .faxMachines = read(txtsomayfax),
                                      .printers = read(txtsomayin),
                                      .photocopiers = read(txtsomayphoto),
                                      .scanners = read(txtsomayscan),
                                      .projectors = read(txtsomaychieu),
                                      .otherPowerW = read(txtcongsuatmaykhac)});
    if (deliver(faults, room::ResultKind::Average, q1W))
        endVisit();
}

} // namespace kelvora::ui
