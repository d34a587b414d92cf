#include "ui/windows/frmQ3.h"

#include "core/OccupantHeat.h"
#include "ui/EntryList.h"
#include "ui/FieldRows.h"
#include "ui/Fields.h"
#include "ui/notes/FieldNotes.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <optional>

namespace kelvora::ui {

namespace {

using Row = FieldRow<frmQ3>;

constexpr int captionHeightTw = 375;
constexpr int countLeftTw = 3360;
constexpr TwipsRect countField(int topTw) {
    return {countLeftTw, topTw, 1455, 315};
}

const Row rows[] = {
    {&frmQ3::songuoi,
     {"songuoi", "Nhập số lượng người lớn  trong phòng", {0, 120, 3255, captionHeightTw}},
     &frmQ3::txtsonguoi,
     {"txtsonguoi", "", countField(120)},
     &frmQ3::Label4,
     {"Label4", "Người", {4920, 120, 975, captionHeightTw}}},
    {&frmQ3::Label3,
     {"Label3", "Nhập số lượng trẻ em trong phòng", {0, 480, 2895, captionHeightTw}},
     &frmQ3::txttreem,
     {"txttreem", "", countField(480)},
     &frmQ3::Label2,
     {"Label2", "Người", {4920, 480, 975, captionHeightTw}}},
    {&frmQ3::Label6,
     {"Label6",
      "Nhiệt  do một người toả ra ứng với loại lao động trên",
      {0, 1680, 4455, captionHeightTw}},
     &frmQ3::txtq,
     {"txtq", "", {4440, 1680, 975, 285}},
     &frmQ3::Label1,
     {"Label1", "W/Người", {5400, 1680, 975, captionHeightTw}}},
};

const ListEntry activities[] = {
    {"Tĩnh tại", sedentaryHeatWPerPerson},
    {"Lao động nhẹ", lightWorkHeatWPerPerson},
    {"Lao động trung bình", moderateWorkHeatWPerPerson},
    {"Lao động nặng", heavyWorkHeatWPerPerson},
    {"Phòng ăn, khách sạn", diningHeatWPerPerson},
    {"Vũ trường", danceHallHeatWPerPerson},
};

} // namespace

frmQ3::frmQ3(const CalculatorSite& site)
    : CalculatorWindow(site, "frmQ3", "Tinh nhiet do nguoi toa  ra", 6405, 2685) {
    buildRows<frmQ3>(*this, this, rows);
    Label5 =
        makeControl<QLabel>(this, "Label5", "Chọn loại lao động", {0, 1080, 2895, captionHeightTw});
    lstloailaodong =
        makeEntryList(this, "lstloailaodong", {countLeftTw, 1080, 2055, 315}, activities);
    nameByCaption(Label5, lstloailaodong);
    tinh = makeControl<QPushButton>(this, "tinh", "Tính", {2640, 2280, 855, 375});
    // Picked again, the entry writes its heat per person over what was typed.
    connectPicks(
        lstloailaodong, this, [this] { lstloailaodong_Click(); }, Repick::Click);
    connect(tinh, &QPushButton::clicked, this, &frmQ3::tinh_Click);
    computesWith(tinh, "chọn một loại lao động");

    setFixedNote(txtq, "Lấy theo loại lao động đã chọn");
    showUnpicked(lstloailaodong);

    chainFocus({txtsonguoi, lstloailaodong, txtq, tinh, txttreem});
    txtsonguoi->setFocus();
    Form_Load();
}

void frmQ3::Form_Load() {
    tinh->setEnabled(false);
    copyFromRoom(txtsonguoi, room::RoomValue::People);
}

void frmQ3::lstloailaodong_Click() {
    tinh->setEnabled(true);
    if (const std::optional<int> row = selectedRow(lstloailaodong))
        showHeatPerPersonW(*row);
}

double frmQ3::showHeatPerPersonW(int row) {
    const double heatWPerPerson = entryValue(lstloailaodong, row);
    writeUnrounded(txtq, heatWPerPerson);
    return heatWPerPerson;
}

void frmQ3::tinh_Click() {
    FaultCheck faults(this);
    forgetReads();
    Worked adultsW(0.0);
    Worked childrenW(0.0);
    // Without a pick nobody counts; what was typed into txtq never does.
    if (const std::optional<int> row = selectedRow(lstloailaodong)) {
        const double heatWPerPerson = showHeatPerPersonW(*row);
        faults.restart();
        adultsW = occupantGroupHeat(read(txtsonguoi), heatWPerPerson);
        if (!faults.passed(adultsW.value()))
            return;
        childrenW = occupantGroupHeat(read(txttreem), heatWPerPerson);
        if (!faults.passed(childrenW.value()))
            return;
    }
    if (deliver(faults, room::ResultKind::Average, occupantHeat(adultsW, childrenW)))
        endVisit();
}

} // namespace kelvora::ui
