#include "ui/windows/frmQ6.h"

#include "core/EnvelopeHeat.h"
#include "ui/FieldGrid.h"
#include "ui/Fields.h"

#include <QPushButton>

namespace kelvora::ui {

namespace {

constexpr std::size_t columnCount = 8;

using Column = GridColumn<frmQ6>;
using Row = GridRow<frmQ6, columnCount>;

constexpr GridShape gridShape = {.headingTopTw = 120,
                                 .headingWidthTw = 735,
                                 .headingHeightTw = 375,
                                 .cellWidthTw = 855,
                                 .cellHeightTw = 375,
                                 // 255 high, centred on the fields
                                 .captionLeftTw = 120,
                                 .captionDropTw = (375 - 255) / 2,
                                 .captionHeightTw = 255};

constexpr std::array<Column, columnCount> columns = {{
    {&frmQ6::Label4, "Label4", "Đông", 3000},
    {&frmQ6::Label6, "Label6", "Tây", 3840},
    {&frmQ6::Label7, "Label7", "Nam", 4560},
    {&frmQ6::Label8, "Label8", "Bắc", 5400},
    {&frmQ6::Label11, "Label11", "Kính", 6240},
    {&frmQ6::Label9, "Label9", "Trần ", 7080},
    {&frmQ6::Label10, "Label10", "Sàn", 7920},
    {&frmQ6::Label12, "Label12", "Cửa", 8760},
}};

// The west column is narrower where its neighbour stands close.
constexpr int narrowTw = 735;

const Row rows[] = {
    {&frmQ6::Label1,
     "Label1",
     "Diện tích của kết cấu bao che",
     480,
     {{{&frmQ6::txtdtdong, "txtdtdong", "0"},
       {&frmQ6::txtdttay, "txtdttay", "0", narrowTw},
       {&frmQ6::txtdtnam, "txtdtnam", "0"},
       {&frmQ6::txtdtbac, "txtdtbac", "0"},
       {&frmQ6::txtdtkinh, "txtdtkinh", "0"},
       {&frmQ6::txtdttran, "txtdttran", "0"},
       {&frmQ6::txtdtsan, "txtdtsan", "0"},
       {&frmQ6::txtdtcua, "txtdtcua", "0"}}}},
    {&frmQ6::Label2,
     "Label2",
     "Hệ số truyền nhiệt của KCBC",
     1080,
     {{{&frmQ6::txthstnDong, "txthstnDong", "2.1"},
       {&frmQ6::txthstntay, "txthstntay", "2.1", narrowTw},
       {&frmQ6::txthstnnam, "txthstnnam", "2.1"},
       {&frmQ6::txthstnbac, "txthstnbac", "2.1"},
       {&frmQ6::txthstnkinh, "txthstnkinh", "6.33"},
       {&frmQ6::txthstntran, "txthstntran", "0.038"},
       {&frmQ6::txthstnsan, "txthstnsan", "0.038"},
       {&frmQ6::txthstncua, "txthstncua", "1.76"}}}},
    {&frmQ6::Label3,
     "Label3",
     "Hệ số chênh lệch nhiệt độ",
     1680,
     {{{&frmQ6::txthsnddong, "txthsnddong", "0.7"},
       {&frmQ6::txthsndtay, "txthsndtay", "0.7"},
       {&frmQ6::txthsndnam, "txthsndnam", "0.7"},
       {&frmQ6::txthsndbac, "txthsndbac", "0.7"},
       {&frmQ6::txthsndkinh, "txthsndkinh", "0.7"},
       {&frmQ6::txthsndtran, "txthsndtran", "0.7"},
       {&frmQ6::txthsndsan, "txthsndsan", "0.7"},
       {&frmQ6::txthsndcua, "txthsndcua", "0.7"}}}},
};

} // namespace

frmQ6::frmQ6(const CalculatorSite& site)
    : CalculatorWindow(site, "frmQ6", "Nhiet truyen qua ket cau bao che do chenh lech nhiet do",
                       10260, 3660) {
    buildGrid<frmQ6, columnCount>(*this, this, gridShape, columns, rows);
    cmdtinh = makeControl<QPushButton>(this, "cmdtinh", "Tính", {5040, 2520, 1215, 495});
    connect(cmdtinh, &QPushButton::clicked, this, &frmQ6::cmdtinh_Click);
    computesWith(cmdtinh);
    for (QLineEdit* transfer : {txthstnDong, txthstntay, txthstnnam, txthstnbac, txthstnkinh,
                                txthstntran, txthstnsan, txthstncua})
        markRange(transfer, RoomQuantity::HeatTransferWPerM2K);

    chainFocus({txtdtdong,   txtdttay,   txtdtnam,    txtdtbac,    txtdtkinh,
                txtdttran,   txtdtsan,   txthstnDong, txthsndtay,  txthsnddong,
                txthstntran, txthsndnam, txthstnsan,  txthsndbac,  txthstnkinh,
                txthstnbac,  txthstnnam, txthstntay,  txthsndtran, txthsndsan,
                txthsndkinh, cmdtinh,    txtdtcua,    txthstncua,  txthsndcua});
    txtdtdong->setFocus();
}

void frmQ6::cmdtinh_Click() {
    FaultCheck faults(this);
    forgetReads();
    // An element without area adds nothing: its coefficient is no input of the result.
    const auto element = [this](const QLineEdit* area, const QLineEdit* transfer,
                                const QLineEdit* difference) {
        const double areaM2 = read(area);
        return EnvelopeElement{areaM2, areaM2 != 0 ? read(transfer) : fieldValue(transfer),
                               read(difference)};
    };
    // The room's temperatures as they stand now, not as they stood at creation.
    const Worked q6W =
        envelopeHeat({.eastWall = element(txtdtdong, txthstnDong, txthsnddong),
                      .westWall = element(txtdttay, txthstntay, txthsndtay),
                      .southWall = element(txtdtnam, txthstnnam, txthsndnam),
                      .northWall = element(txtdtbac, txthstnbac, txthsndbac),
                      .glazing = element(txtdtkinh, txthstnkinh, txthsndkinh),
                      .ceiling = element(txtdttran, txthstntran, txthsndtran),
                      .floor = element(txtdtsan, txthstnsan, txthsndsan),
                      .door = element(txtdtcua, txthstncua, txthsndcua)},
                     roomValue(room::RoomValue::OutdoorC), roomValue(room::RoomValue::IndoorC));
    if (deliver(faults, room::ResultKind::Average, q6W))
        endVisit();
}

} // namespace kelvora::ui
