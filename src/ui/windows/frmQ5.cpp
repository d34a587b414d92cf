#include "ui/windows/frmQ5.h"

#include "core/GlazingHeat.h"
#include "ui/EntryList.h"
#include "ui/FieldGrid.h"
#include "ui/Fields.h"
#include "ui/notes/FieldNotes.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace kelvora::ui {

namespace {

constexpr std::size_t columnCount = 8;

using Column = GridColumn<frmQ5>;
using Row = GridRow<frmQ5, columnCount>;

constexpr GridShape gridShape = {.headingTopTw = 240,
                                 .headingWidthTw = 855,
                                 .headingHeightTw = 375,
                                 .cellWidthTw = 975,
                                 .cellHeightTw = 375,
                                 // a little below the top of their fields
                                 .captionLeftTw = 120,
                                 .captionDropTw = 120};

// The four main facades first: only they enter the compute.
constexpr std::array<Column, columnCount> columns = {{
    {&frmQ5::Label4, "Label4", "Đông", 3240},
    {&frmQ5::Label18, "Label18", "Tây", 4200},
    {&frmQ5::Label23, "Label23", "Nam", 5160},
    {&frmQ5::Label8, "Label8", "Bắc", 6120},
    {&frmQ5::Label7, "Label7", "Đ-B", 7080},
    {&frmQ5::Label6, "Label6", "Đ-N", 8040},
    {&frmQ5::Label5, "Label5", "T-B", 9000},
    {&frmQ5::Label9, "Label9", "T-N", 9960},
}};

const Row rows[] = {
    {&frmQ5::Label3,
     "Label3",
     "Diện tích kính chịu bức xạ",
     720,
     {{{&frmQ5::txtdong, "txtdong", "0"},
       {&frmQ5::txttay, "txttay", "0"},
       {&frmQ5::txtnam, "txtnam", "0"},
       {&frmQ5::txtbac, "txtbac", "0"},
       {&frmQ5::txtdb, "txtdb", "0"},
       {&frmQ5::xtdn, "xtdn", "0"},
       {&frmQ5::txttb, "txttb", "0"},
       {&frmQ5::txttn, "txttn", "0"}}}},
    {&frmQ5::Label12,
     "Label12",
     "Giờ có bức xạ cực đại",
     1080,
     {{{&frmQ5::Text17, "Text17", "8"},
       {&frmQ5::Text15, "Text15", "16"},
       {&frmQ5::Text16, "Text16", "12"},
       {&frmQ5::Text14, "Text14", "8;16"},
       {&frmQ5::Text13, "Text13", "8"},
       {&frmQ5::Text12, "Text12", "9"},
       {&frmQ5::Text10, "Text10", "16"},
       {&frmQ5::Text11, "Text11", "16"}}}},
    {&frmQ5::Label17,
     "Label17",
     "Cường độ bức xạ trung bình(W/m2)",
     1440,
     {{{&frmQ5::txttbd, "txttbd", "432"},
       {&frmQ5::txttbt, "txttbt", "431"},
       {&frmQ5::txttbn, "txttbn", "238"},
       {&frmQ5::txttbb, "txttbb", "125"},
       {&frmQ5::txttbdb, "txttbdb", "257"},
       {&frmQ5::txttbdn, "txttbdn", "277"},
       {&frmQ5::txttbtb, "txttbtb", "261"},
       {&frmQ5::txttbtn, "txttbtn", "312"}}}},
    {&frmQ5::Label14,
     "Label14",
     "Cường độ bức xạ cực đại (W/m2)",
     1800,
     {{{&frmQ5::txtcdbxD, "txtcdbxD", "634"},
       {&frmQ5::txtcdbxT, "txtcdbxT", "634"},
       {&frmQ5::txtcdbxN, "txtcdbxN", "454"},
       {&frmQ5::txtcdbxB, "txtcdbxB", "231"},
       {&frmQ5::txtcdbxdb, "txtcdbxdb", "586"},
       {&frmQ5::txtcdbxdn, "txtcdbxdn", "624"},
       {&frmQ5::txtcdbxtb, "txtcdbxtb", "584"},
       {&frmQ5::txtcdbxtn, "txtcdbxtn", "678"}}}},
};

constexpr ListEntry transparencyEntries[] = {
    {"Cửa mở không kính", openingTransparency},
    {"Kính 1 lớp", singleGlassTransparency},
    {"Kính 2 lớp", doubleGlassTransparency},
};

constexpr ListEntry soilingEntries[] = {
    {"Cửa mở không kính", openingSoiling},
    {"Cửa kính 1 lớp đặt đứng", singleUprightSoiling},
    {"Cửa kính 1 lớp đặt nghiêng", singleSlopingSoiling},
    {"Cửa kính 2 lớp đặt đứng", doubleUprightSoiling},
};

constexpr ListEntry refractionEntries[] = {
    {"Cửa mở không kính", openingRefraction},
    {"Cửa kính một lớp khung gỗ", woodFrameRefraction},
    {"Cửa kính một lớp khung kim loại", metalFrameRefraction},
};

constexpr ListEntry shadingEntries[] = {
    {"Không có rèm che", unshaded},
    {"Mái đua", overhangShading},
    {"Mành mành", blindShading},
    {"Cửa chớp", shutterShading},
    {"Sơn trắng lên kính", whitePaintShading},
    {"Rèm che ngoài", outerCurtainShading},
    {"Rèm che trong", innerCurtainShading},
    {"Kính khuếch tán", diffusingGlassShading},
};

struct CoefficientRow {
    int topTw;
    QLabel* frmQ5::*caption;
    const char* captionName;
    const char* captionText;
    QListWidget* frmQ5::*list;
    const char* listName;
    std::span<const ListEntry> entries;
    QLabel* frmQ5::*valueLabel;
    const char* valueLabelName;
    QLineEdit* frmQ5::*field;
    const char* fieldName;
    const char* initialText;
};

const CoefficientRow coefficientRows[] = {
    {2280, &frmQ5::Label1, "Label1", "Chọn hệ số trong suốt của kính", &frmQ5::lsthstrongsuot,
     "lsthstrongsuot", transparencyEntries, &frmQ5::Label19, "Label19", &frmQ5::txthstrongsuot,
     "txthstrongsuot", "0"},
    {2760, &frmQ5::Label2, "Label2", "Chọn hệ số bám bẩn của kính", &frmQ5::lsthsbamban,
     "lsthsbamban", soilingEntries, &frmQ5::Label20, "Label20", &frmQ5::txthsbamban, "txthsbamban",
     "0"},
    {3240, &frmQ5::Label15, "Label15", "Chọn hệ số khúc xạ của kính", &frmQ5::lsthskhucxa,
     "lsthskhucxa", refractionEntries, &frmQ5::Label21, "Label21", &frmQ5::txthskhucxa,
     "txthskhucxa", "0"},
    {3720, &frmQ5::Label16, "Label16", "Chọn hệ số tán xạ do che chắn", &frmQ5::lsthstanxa,
     "lsthstanxa", shadingEntries, &frmQ5::Label22, "Label22", &frmQ5::txthstanxa, "txthstanxa",
     "1"},
};

constexpr int listHeightTw = 315;
constexpr int valueHeightTw = 285;

// A pick replaces the field's text with the entry's coefficient.
void writePick(const QListWidget* list, QLineEdit* field) {
    if (const std::optional<int> row = selectedRow(list))
        writeUnrounded(field, entryValue(list, *row));
}

} // namespace

frmQ5::frmQ5(const CalculatorSite& site)
    : CalculatorWindow(site, "frmQ5", "Nhiet buc xa qua kinh", insideWidthTw, insideHeightTw) {
    buildGrid<frmQ5, columnCount>(*this, this, gridShape, columns, rows);
    buildCoefficients();
    tinh = makeControl<QPushButton>(this, "tinh", "Tính", {5640, 4320, 1335, 375});

    // Picked again, an entry writes its coefficient over what was typed.
    connectPicks(
        lsthstrongsuot, this, [this] { lsthstrongsuot_Click(); }, Repick::Click);
    connectPicks(
        lsthsbamban, this, [this] { lsthsbamban_Click(); }, Repick::Click);
    connectPicks(
        lsthskhucxa, this, [this] { lsthskhucxa_Click(); }, Repick::Click);
    connectPicks(
        lsthstanxa, this, [this] { lsthstanxa_Click(); }, Repick::Click);
    connect(tinh, &QPushButton::clicked, this, &frmQ5::tinh_Click);
    computesWith(tinh, "chọn một hệ số khúc xạ của kính");

    // The hours and the diagonal facades are there to look up, not to compute with.
    for (QLineEdit* reference :
         {Text17,  Text15,  Text16,    Text14,    Text13,    Text12,   Text10,
          Text11,  txtdb,   xtdn,      txttb,     txttn,     txttbdb,  txttbdn,
          txttbtb, txttbtn, txtcdbxdb, txtcdbxdn, txtcdbxtb, txtcdbxtn})
        setFixedNote(reference, "Không dùng để tính");
    for (QListWidget* list : {lsthstrongsuot, lsthsbamban, lsthskhucxa, lsthstanxa})
        showUnpicked(list);

    chainFocus({txtdong,     txtnam,         txttay,      txtbac,      txtdb,      xtdn,
                txttn,       txttb,          Text10,      Text11,      Text12,     Text13,
                Text14,      Text15,         Text16,      Text17,      txtcdbxtb,  txtcdbxtn,
                txtcdbxdn,   txtcdbxdb,      txtcdbxB,    txtcdbxT,    txtcdbxN,   txtcdbxD,
                tinh,        txthstrongsuot, txthsbamban, txthskhucxa, txthstanxa, lsthstrongsuot,
                lsthsbamban, lsthskhucxa,    lsthstanxa,  txttbd,      txttbn,     txttbt,
                txttbb,      txttbdb,        txttbdn,     txttbtn,     txttbtb});
    txtdong->setFocus();
    Form_Load();
}

void frmQ5::buildCoefficients() {
    for (const CoefficientRow& row : coefficientRows) {
        // The caption reaches under the list's left edge: created first, it
        // stays below the list and leaves the list's clicks to the list.
        QLabel* caption = makeControl<QLabel>(this, row.captionName, row.captionText,
                                              {120, row.topTw, 3495, listHeightTw});
        QListWidget* list =
            makeEntryList(this, row.listName, {3240, row.topTw, 3135, listHeightTw}, row.entries);
        nameByCaption(caption, list);
        QLabel* valueLabel = makeControl<QLabel>(this, row.valueLabelName, "Giá trị của hệ số",
                                                 {6480, row.topTw, 1455, valueHeightTw});
        QLineEdit* field = makeControl<QLineEdit>(this, row.fieldName, row.initialText,
                                                  {8040, row.topTw, 615, valueHeightTw});
        // Four fields share the value label: the row's caption tells them apart.
        valueLabel->setBuddy(field);
        field->setAccessibleName(cellAccessibleName(caption, valueLabel));
        this->*row.caption = caption;
        this->*row.list = list;
        this->*row.valueLabel = valueLabel;
        this->*row.field = field;
    }
}

void frmQ5::Form_Load() {
    tinh->setEnabled(false);
}

void frmQ5::lsthstrongsuot_Click() {
    writePick(lsthstrongsuot, txthstrongsuot);
}

void frmQ5::lsthsbamban_Click() {
    writePick(lsthsbamban, txthsbamban);
}

void frmQ5::lsthskhucxa_Click() {
    writePick(lsthskhucxa, txthskhucxa);
    // Without a refraction coefficient every gain would be 0.
    if (fieldValue(txthskhucxa) != 0)
        tinh->setEnabled(true);
}

void frmQ5::lsthstanxa_Click() {
    writePick(lsthstanxa, txthstanxa);
}

void frmQ5::tinh_Click() {
    FaultCheck faults(this);
    forgetReads();
    const auto glass = [this] {
        return GlassCoefficients{.transparency = read(txthstrongsuot),
                                 .soiling = read(txthsbamban),
                                 .refraction = read(txthskhucxa),
                                 .shading = read(txthstanxa)};
    };
    const Worked peakW = glazingHeat({.east = {read(txtdong), read(txtcdbxD)},
                                      .west = {read(txttay), read(txtcdbxT)},
                                      .south = {read(txtnam), read(txtcdbxN)},
                                      .north = {read(txtbac), read(txtcdbxB)}},
                                     glass());
    // The peak stands in the room even when the average then fails.
    if (!deliver(faults, room::ResultKind::Peak, peakW))
        return;
    faults.restart();
    // The average's inputs are the ones it reads, not the peak's intensities.
    forgetReads();
    const Worked averageW = glazingHeat({.east = {read(txtdong), read(txttbd)},
                                         .west = {read(txttay), read(txttbt)},
                                         .south = {read(txtnam), read(txttbn)},
                                         .north = {read(txtbac), read(txttbb)}},
                                        glass());
    if (deliver(faults, room::ResultKind::Average, averageW))
        endVisit();
}

} // namespace kelvora::ui
