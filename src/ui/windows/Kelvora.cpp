#include "ui/windows/Kelvora.h"

#include "core/ArithmeticFault.h"
#include "report/RoomReport.h"
#include "room/RoomModel.h"
#include "ui/EntryList.h"
#include "ui/FieldRows.h"
#include "ui/Fields.h"
#include "ui/Layout.h"
#include "ui/ResultFrame.h"
#include "ui/WindowAccessibility.h"
#include "ui/notes/FieldNotes.h"
#include "ui/notes/PassingNote.h"
#include "ui/windows/RoomView.h"

#include <utility>
#include <vector>

#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace kelvora::ui {

namespace {

using room::ResultId;
using room::ResultKind;
using room::RoomValue;
using room::TotalKind;

constexpr int insideWidthTw = 8625;
// One line of text more than the window was first drawn with, for the unit to buy.
constexpr int insideHeightTw = 6480;
constexpr int roomFieldHeightTw = 285;

using Row = FieldRow<Kelvora>;

// The captions' sizes were never fixed: each reaches up to its field (or, over
// a result, spans it), so that nothing has to measure its text at start-up.
constexpr int captionGapTw = 60;

// A caption beside its field, in the main window itself.
constexpr Row roomRow(QLabel* Kelvora::*caption, const char* captionName, const char* captionText,
                      int captionLeftTw, QLineEdit* Kelvora::*field, const char* fieldName,
                      const char* initialText, TwipsRect fieldAt) {
    return {
        caption,
        {captionName,
         captionText,
         {captionLeftTw, fieldAt.top, fieldAt.left - captionGapTw - captionLeftTw, fieldAt.height}},
        field,
        {fieldName, initialText, fieldAt}};
}

constexpr int airFieldWidthTw = 855;
constexpr int outdoorCaptionLeftTw = 120;
constexpr int outdoorFieldLeftTw = 3240;
constexpr int indoorCaptionLeftTw = 4200;
constexpr int indoorFieldLeftTw = 7680;

constexpr TwipsRect outdoorField(int topTw) {
    return {outdoorFieldLeftTw, topTw, airFieldWidthTw, roomFieldHeightTw};
}
constexpr TwipsRect indoorField(int topTw) {
    return {indoorFieldLeftTw, topTw, airFieldWidthTw, roomFieldHeightTw};
}

const Row roomRows[] = {
    roomRow(&Kelvora::Label1, "Label1", "Tên phòng", 120, &Kelvora::txttenphong, "txttenphong", "",
            {1080, 240, 2295, roomFieldHeightTw}),
    roomRow(&Kelvora::Label2, "Label2", "Diện tích phòng (m2)", 3480, &Kelvora::txtdientich,
            "txtdientich", "60", {5640, 240, 735, roomFieldHeightTw}),
    roomRow(&Kelvora::Label4, "Label4", "Số người", 6480, &Kelvora::txtsonguoi, "txtsonguoi", "21",
            {7680, 240, 855, roomFieldHeightTw}),
    roomRow(&Kelvora::Label5, "Label5", "Nhiệt độ không khí ngoài trời (oC)", outdoorCaptionLeftTw,
            &Kelvora::txtnhietdongoai, "txtnhietdongoai", "34.6", outdoorField(600)),
    roomRow(&Kelvora::Label6, "Label6", "Nhiệt độ không khí trong phòng (oC)", indoorCaptionLeftTw,
            &Kelvora::txtnhietdotrong, "txtnhietdotrong", "25", indoorField(600)),
    roomRow(&Kelvora::Label3, "Label3", "Độ ẩm không khí ngoài trời (%)", outdoorCaptionLeftTw,
            &Kelvora::txtdoamngoai, "txtdoamngoai", "74", outdoorField(960)),
    roomRow(&Kelvora::Label7, "Label7", "Độ ẩm không khí trong phòng (%)", indoorCaptionLeftTw,
            &Kelvora::txtdoamtrong, "txtdoamtrong", "65", indoorField(960)),
    roomRow(&Kelvora::Label8, "Label8", "Dung ẩm không khí ngoài trời(g/kg)", outdoorCaptionLeftTw,
            &Kelvora::txtdungamngoai, "txtdungamngoai", "26", outdoorField(1320)),
    roomRow(&Kelvora::Label9, "Label9", "Dung ẩm không khí trong phòng(g/kg)", indoorCaptionLeftTw,
            &Kelvora::txtdungamtrong, "txtdungamtrong", "12.873", indoorField(1320)),
    roomRow(&Kelvora::Label11, "Label11", "Enthanpy không khí ngoài trời(kJ/kg)",
            outdoorCaptionLeftTw, &Kelvora::txtenthanpyngoai, "txtenthanpyngoai", "101.6478",
            outdoorField(1680)),
    roomRow(&Kelvora::Label12, "Label12", "Enthanpy không khí trong phòng(kJ/kg)",
            indoorCaptionLeftTw, &Kelvora::txtenthanpytrong, "txtenthanpytrong", "57.9914",
            indoorField(1680)),
};

// Which room value each field shows.
const std::pair<QLineEdit * Kelvora::*, RoomValue> roomValues[] = {
    {&Kelvora::txttenphong, RoomValue::Name},
    {&Kelvora::txtdientich, RoomValue::AreaM2},
    {&Kelvora::txtsonguoi, RoomValue::People},
    {&Kelvora::txtnhietdongoai, RoomValue::OutdoorC},
    {&Kelvora::txtnhietdotrong, RoomValue::IndoorC},
    {&Kelvora::txtdoamngoai, RoomValue::OutdoorHumidityPercent},
    {&Kelvora::txtdoamtrong, RoomValue::IndoorHumidityPercent},
    {&Kelvora::txtdungamngoai, RoomValue::OutdoorMoistureGPerKg},
    {&Kelvora::txtdungamtrong, RoomValue::IndoorMoistureGPerKg},
    {&Kelvora::txtenthanpyngoai, RoomValue::OutdoorEnthalpyKJPerKg},
    {&Kelvora::txtenthanpytrong, RoomValue::IndoorEnthalpyKJPerKg},
};

constexpr int componentWidthTw = 1095;
constexpr int totalWidthTw = 1455;
constexpr int resultHeightTw = 375;
constexpr int totalCaptionWidthTw = 2655; // to the frame's right, wider than the totals
constexpr int captionToFieldTw = 240;     // a result stands this far below its caption

// A result under its caption, inside the frame. Every result starts at 0.
constexpr Row resultCell(QLabel* Kelvora::*caption, const char* captionName,
                         const char* captionText, QLineEdit* Kelvora::*field, const char* fieldName,
                         int leftTw, int captionTopTw, int widthTw, int captionWidthTw = 0) {
    return {
        caption,
        {captionName,
         captionText,
         {leftTw, captionTopTw, captionWidthTw > 0 ? captionWidthTw : widthTw, captionToFieldTw}},
        field,
        {fieldName, "0", {leftTw, captionTopTw + captionToFieldTw, widthTw, resultHeightTw}}};
}

const Row averageTotalCell[] = {
    resultCell(&Kelvora::tongnhietthua, "tongnhietthua", room::totalLabel(TotalKind::Average),
               &Kelvora::txtQtong, "txtQtong", 5160, 1080, totalWidthTw, totalCaptionWidthTw)};
const Row maximumTotalCell[] = {resultCell(
    &Kelvora::Label13, "Label13", room::totalLabel(TotalKind::Maximum), &Kelvora::txtqtongmax,
    "txtqtongmax", 5160, 1800, totalWidthTw, totalCaptionWidthTw)};

// The components' results stand four to a line, each under its caption, in
// the order of the table; a peak stands under its component's average, on
// the line below the components.
constexpr int componentsLeftTw = 240;
constexpr int componentPitchTw = 1080;
constexpr int componentsTopTw = 360;
constexpr int componentLinePitchTw = 720;
constexpr int componentsALine = 4;
constexpr int peaksTopTw = 1800;

TwipsRect componentLeftTop(std::size_t entry, room::ResultKind kind) {
    const int column = static_cast<int>(entry) % componentsALine;
    const int line = static_cast<int>(entry) / componentsALine;
    return {componentsLeftTw + column * componentPitchTw,
            kind == ResultKind::Peak ? peaksTopTw : componentsTopTw + line * componentLinePitchTw,
            0, 0};
}

const char* const sizingSource =
    "Máy đề nghị: cỡ nhỏ nhất không dưới tải lớn nhất, theo cỡ máy điều hoà treo tường bán tại "
    "Việt Nam (9000 BTU/h ≈ 1 HP); chỉ để tham khảo";

const char* const airConditionsMissing = "Nhap so lieu nhiet do va dung am";

QString copiedNoteText(const QString& roomName) {
    const QString name = quoted(roomName.simplified());
    return name.isEmpty() ? QStringLiteral("Đã sao chép bảng của phòng")
                          : QStringLiteral("Đã sao chép bảng của phòng %1").arg(name);
}

} // namespace

Kelvora::Kelvora(QWidget* parent)
    : QWidget(parent)
    , model_(new room::RoomModel(this))
    , view_(new RoomView(*model_, this))
    , calculators_(*model_, this) {
    announceWindows();
    setObjectName(QStringLiteral("Kelvora"));
    setWindowTitle(QStringLiteral("Kelvora"));
    setFont(captionFont());
    setInsideSizeInTwips(this, insideWidthTw, insideHeightTw);

    buildRoom();
    buildResults();

    tinh = makeControl<QPushButton>(this, "tinh", "Tính", {2520, 5400, 1215, 495});
    cmdxoa = makeControl<QPushButton>(this, "cmdxoa", "Xoá", {3960, 5400, 1215, 495});
    cmdthoat = makeControl<QPushButton>(this, "cmdthoat", "Thoát", {5400, 5400, 1215, 495});
    cmdsaochep = makeControl<QPushButton>(this, "cmdsaochep", "Sao chép", {6840, 5400, 1215, 495});
    // Where the command row had room, left of Tính.
    cmdbieudo =
        makeControl<QPushButton>(this, "cmdbieudo", "Biểu đồ &I-d", {1080, 5400, 1215, 495});
    setFixedNote(cmdbieudo, "Mở biểu đồ I-d với trạng thái không khí ngoài trời và trong phòng");
    setFixedNote(cmdsaochep, report::copyButtonTip);
    lblchonmay = makeControl<QLabel>(this, "lblchonmay", "Chọn máy", {120, 6045, 1095, 285});
    txtchonmay = makeControl<QLineEdit>(this, "txtchonmay", "", {1320, 6030, 7200, 300});
    nameByCaption(lblchonmay, txtchonmay);
    txtchonmay->setReadOnly(true);
    setFixedNote(txtchonmay, sizingSource);
    view_->bindSizing(txtchonmay);
    copiedNote_ = new PassingNote(cmdsaochep);
    connect(tinh, &QPushButton::clicked, this, &Kelvora::tinh_Click);
    connect(cmdxoa, &QPushButton::clicked, this, &Kelvora::cmdxoa_Click);
    connect(cmdthoat, &QPushButton::clicked, this, &Kelvora::cmdthoat_Click);
    connect(cmdsaochep, &QPushButton::clicked, this, &Kelvora::cmdsaochep_Click);
    connect(cmdbieudo, &QPushButton::clicked, this, &Kelvora::cmdbieudo_Click);

    chainFocus({loaiQ,
                txtQ6,
                txtQ7,
                txtQ8,
                txtQtong,
                txtQ1,
                txtQ2,
                txtQ3,
                txtQ4,
                txtQ5,
                txttenphong,
                txtdientich,
                txtsonguoi,
                txtnhietdongoai,
                txtnhietdotrong,
                txtdoamngoai,
                txtdoamtrong,
                txtdungamngoai,
                txtdungamtrong,
                tinh,
                txtenthanpyngoai,
                txtenthanpytrong,
                txtqtongmax,
                txtq5max,
                txtq7max,
                cmdxoa,
                cmdthoat,
                cmdsaochep,
                txtchonmay,
                cmddienngoai,
                cmddientrong,
                cmdbieudo});
    loaiQ->setFocus();
    showNotes();
    calculators_.makeRoomBesideOwner();
}

void Kelvora::buildRoom() {
    buildRows<Kelvora>(*this, this, roomRows);
    for (const auto& [field, value] : roomValues)
        view_->bindRoom(this->*field, value);

    CHONLOAINHIETTHUA = makeControl<QLabel>(this, "CHONLOAINHIETTHUA", "Chọn loại nhiệt thừa tính",
                                            {120, 2040, 6855, 240});
    std::vector<ListEntry> entries;
    for (const room::ComponentRow& component : room::components())
        entries.push_back({component.entryText});
    loaiQ = makeEntryList(this, "loaiQ", {120, 2280, 6855, 315}, entries);
    nameByCaption(CHONLOAINHIETTHUA, loaiQ);
    // Beside the list, under the indoor fields, where the window had room.
    cmddienngoai =
        makeControl<QPushButton>(this, "cmddienngoai", "Điền d, I &ngoài", {7080, 2040, 1455, 315});
    cmddientrong =
        makeControl<QPushButton>(this, "cmddientrong", "Điền d, I &trong", {7080, 2400, 1455, 315});
    view_->bindFill(cmddienngoai, room::AirSide::Outdoor);
    view_->bindFill(cmddientrong, room::AirSide::Indoor);
    connectPicks(
        loaiQ, this, [this] { loaiQ_Click(); }, Repick::ClickEnterOrDouble);
}

void Kelvora::buildResults() {
    Frame1 = makeControl<ResultFrame>(this, "Frame1", "Kết quả", {120, 2760, 7935, 2535});
    Label10 = makeControl<QLabel>(Frame1, "Label10", "Đơn vị tính: W", {6600, 240, 1335, 240});
    const auto cell = [this](const room::ResultCell& shown, ResultId result) {
        const TwipsRect at = componentLeftTop(result.entry, result.kind);
        auto* caption = makeControl<QLabel>(Frame1, shown.captionName, shown.label,
                                            {at.left, at.top, componentWidthTw, captionToFieldTw});
        auto* field = makeControl<QLineEdit>(
            Frame1, shown.fieldName, "0",
            {at.left, at.top + captionToFieldTw, componentWidthTw, resultHeightTw});
        nameByCaption(caption, field);
        view_->bindResult(field, result);
    };
    const std::span<const room::ComponentRow> table = room::components();
    for (std::size_t entry = 0; entry < table.size(); ++entry)
        cell(table[entry].average, {entry, ResultKind::Average});
    buildRows<Kelvora>(*this, Frame1, averageTotalCell);
    for (std::size_t entry = 0; entry < table.size(); ++entry)
        if (table[entry].hasPeak())
            cell(table[entry].peak, {entry, ResultKind::Peak});
    buildRows<Kelvora>(*this, Frame1, maximumTotalCell);
    view_->bindTotal(txtQtong, TotalKind::Average);
    view_->bindTotal(txtqtongmax, TotalKind::Maximum);

    txtQ1 = resultField("txtQ1");
    txtQ2 = resultField("txtQ2");
    txtQ3 = resultField("txtQ3");
    txtQ4 = resultField("txtQ4");
    txtQ5 = resultField("txtQ5");
    txtQ6 = resultField("txtQ6");
    txtQ7 = resultField("txtQ7");
    txtQ8 = resultField("txtQ8");
    txtq5max = resultField("txtq5max");
    txtq7max = resultField("txtq7max");
}

QLineEdit* Kelvora::resultField(const char* name) const {
    return Frame1->findChild<QLineEdit*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
}

void Kelvora::tinh_Click() {
    if (const ArithmeticFault fault = model_->computeTotals(); fault != ArithmeticFault::None)
        showMessage(this, faultMessage(fault));
}

void Kelvora::showNotes() {
    for (QLineEdit* roomValue : {txtdientich, txtsonguoi, txtnhietdongoai, txtnhietdotrong,
                                 txtenthanpyngoai, txtenthanpytrong})
        showValueUsed(roomValue);
    for (QLineEdit* checkedOnly : {txtdoamngoai, txtdoamtrong, txtdungamngoai, txtdungamtrong})
        setFixedNote(checkedOnly, "Không dùng để tính; chỉ cần không để trống");
    for (QLineEdit* result : Frame1->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly))
        if (result != txtQtong && result != txtqtongmax)
            showValueUsed(result);
    view_->showStates();
}

void Kelvora::cmdxoa_Click() {
    model_->clear();
}

void Kelvora::cmdthoat_Click() {
    close();
}

void Kelvora::cmdsaochep_Click() {
    if (report::RoomReport(*model_).copyToClipboard())
        copiedNote_->show(copiedNoteText(model_->text(RoomValue::Name)));
}

void Kelvora::cmdbieudo_Click() {
    if (chart_ == nullptr)
        chart_ = new frmIdChart(*model_, this);
    chart_->showInFront();
}

void Kelvora::loaiQ_Click() {
    const std::span<const room::ComponentRow> table = room::components();
    for (std::size_t entry = 0; entry < table.size(); ++entry)
        if (table[entry].hiddenBeforeCheck)
            calculators_.hide(entry);

    const std::optional<int> row = selectedRow(loaiQ);
    if (!row)
        return;
    const auto chosen = static_cast<std::size_t>(*row);

    if (!model_->filled(table[chosen].check)) {
        showMessage(this, airConditionsMissing);
        return;
    }

    calculators_.show(chosen);
    for (std::size_t other = 0; other < table.size(); ++other)
        if (other != chosen)
            calculators_.hide(other);
}

Kelvora::~Kelvora() {
    // Its calculators and its chart go first: they are windows of this one's.
    calculators_.destroyAll();
    delete chart_;
    stopAnnouncingWindows();
}

void Kelvora::keyPressEvent(QKeyEvent* event) {
    // Enter in a field computes, as in the calculators; the list takes Enter
    // as a pick and keeps it to itself.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && qobject_cast<QLineEdit*>(focusWidget()) != nullptr) {
        tinh->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Kelvora::closeEvent(QCloseEvent* event) {
    // The calculators are windows of their own and do not close with this one;
    // they go first, so that nothing of the run outlives its main window.
    calculators_.destroyAll();
    delete chart_;
    QWidget::closeEvent(event);
}

} // namespace kelvora::ui
