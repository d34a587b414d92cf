#include "Kelvora.h"

#include "AirCheck.h"
#include "EntryList.h"
#include "FieldNotes.h"
#include "FieldRows.h"
#include "Fields.h"
#include "Layout.h"
#include "PassingNote.h"
#include "ResultFrame.h"
#include "ResultHistory.h"
#include "RoomRanges.h"
#include "RoomReport.h"
#include "WindowAccessibility.h"
#include "core/ArithmeticFault.h"
#include "core/FieldText.h"
#include "core/HeatBalance.h"

#include <algorithm>
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

constexpr int insideWidthTw = 8625;
constexpr int insideHeightTw = 6090;
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

const Row resultCells[] = {
    resultCell(&Kelvora::Q1, "Q1", "Q1", &Kelvora::txtQ1, "txtQ1", 240, 360, componentWidthTw),
    resultCell(&Kelvora::Q2, "Q2", "Q2", &Kelvora::txtQ2, "txtQ2", 1320, 360, componentWidthTw),
    resultCell(&Kelvora::Q3, "Q3", "Q3", &Kelvora::txtQ3, "txtQ3", 2400, 360, componentWidthTw),
    resultCell(&Kelvora::Q4, "Q4", "Q4", &Kelvora::txtQ4, "txtQ4", 3480, 360, componentWidthTw),
    resultCell(&Kelvora::Q5, "Q5", "Q5", &Kelvora::txtQ5, "txtQ5", 240, 1080, componentWidthTw),
    resultCell(&Kelvora::Q6, "Q6", "Q6", &Kelvora::txtQ6, "txtQ6", 1320, 1080, componentWidthTw),
    resultCell(&Kelvora::Q7, "Q7", "Q7", &Kelvora::txtQ7, "txtQ7", 2400, 1080, componentWidthTw),
    resultCell(&Kelvora::Q8, "Q8", "Q8", &Kelvora::txtQ8, "txtQ8", 3480, 1080, componentWidthTw),
    resultCell(&Kelvora::tongnhietthua, "tongnhietthua", "Nhiệt tổng Q Trung bình",
               &Kelvora::txtQtong, "txtQtong", 5160, 1080, totalWidthTw, totalCaptionWidthTw),
    resultCell(&Kelvora::Label14, "Label14", "Q5 Max", &Kelvora::txtq5max, "txtq5max", 240, 1800,
               componentWidthTw),
    resultCell(&Kelvora::Label15, "Label15", "Q7 Max", &Kelvora::txtq7max, "txtq7max", 2400, 1800,
               componentWidthTw),
    resultCell(&Kelvora::Label13, "Label13", "Nhiệt tổng Q Max", &Kelvora::txtqtongmax,
               "txtqtongmax", 5160, 1800, totalWidthTw, totalCaptionWidthTw),
};

const char* const airConditionsMissing = "Nhap so lieu nhiet do va dung am";

QString copiedNoteText(const QString& roomName) {
    const QString name = quoted(roomName.simplified());
    return name.isEmpty() ? QStringLiteral("Đã sao chép bảng của phòng")
                          : QStringLiteral("Đã sao chép bảng của phòng %1").arg(name);
}

} // namespace

Kelvora::Kelvora(QWidget* parent)
    : QWidget(parent)
    , calculators_(*this, this) {
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
    setFixedNote(cmdsaochep, copyButtonTip);
    copiedNote_ = new PassingNote(cmdsaochep);
    connect(tinh, &QPushButton::clicked, this, &Kelvora::tinh_Click);
    connect(cmdxoa, &QPushButton::clicked, this, &Kelvora::cmdxoa_Click);
    connect(cmdthoat, &QPushButton::clicked, this, &Kelvora::cmdthoat_Click);
    connect(cmdsaochep, &QPushButton::clicked, this, &Kelvora::cmdsaochep_Click);
    history_ = new ResultHistory(*this, fields(), this);

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
                cmdsaochep});
    loaiQ->setFocus();
    showNotes();
    calculators_.makeRoomBesideOwner();
}

void Kelvora::buildRoom() {
    buildRows<Kelvora>(*this, this, roomRows);

    CHONLOAINHIETTHUA = makeControl<QLabel>(this, "CHONLOAINHIETTHUA", "Chọn loại nhiệt thừa tính",
                                            {120, 2040, 6855, 240});
    std::vector<ListEntry> entries;
    for (const ComponentRow& component : components())
        entries.push_back({component.entryText});
    loaiQ = makeEntryList(this, "loaiQ", {120, 2280, 6855, 315}, entries);
    nameByCaption(CHONLOAINHIETTHUA, loaiQ);
    connectPicks(
        loaiQ, this, [this] { loaiQ_Click(); }, Repick::ClickEnterOrDouble);
}

void Kelvora::buildResults() {
    Frame1 = makeControl<ResultFrame>(this, "Frame1", "Kết quả", {120, 2760, 7935, 2535});
    Label10 = makeControl<QLabel>(Frame1, "Label10", "Đơn vị tính: W", {6600, 240, 1335, 240});
    buildRows<Kelvora>(*this, Frame1, resultCells);
}

QLineEdit* Kelvora::roomField(RoomValue value) const {
    switch (value) {
    case RoomValue::AreaM2:
        return txtdientich;
    case RoomValue::People:
        return txtsonguoi;
    case RoomValue::OutdoorC:
        return txtnhietdongoai;
    case RoomValue::IndoorC:
        return txtnhietdotrong;
    case RoomValue::OutdoorEnthalpyKJPerKg:
        return txtenthanpyngoai;
    case RoomValue::IndoorEnthalpyKJPerKg:
        return txtenthanpytrong;
    }
    return nullptr;
}

QString Kelvora::text(RoomValue value) const {
    return roomField(value)->text();
}

void Kelvora::watch(RoomValue value, const QObject* context, std::function<void()> changed) {
    connect(roomField(value), &QLineEdit::textChanged, context,
            [changed = std::move(changed)] { changed(); });
}

void Kelvora::writeResultW(std::size_t entry, ResultKind kind, const Worked& result,
                           const ResultInputs& inputs) {
    const ComponentRow& component = components()[entry];
    QLineEdit* Kelvora::*field =
        kind == ResultKind::Peak ? component.peakField : component.resultField;
    if (field == nullptr)
        return;
    writeRounded(this->*field, result.value());
    history_->computed(this->*field, result, inputs);
}

void Kelvora::tinh_Click() {
    FaultCheck faults(this);
    const RoomFields& fields = history_->fields();
    const double averageW = averageTotalW(componentsW(fields));
    if (!faults.passed(averageW))
        return;
    writeUnrounded(txtQtong, averageW);

    // Read afresh for the maximum, after the average's write.
    faults.restart();
    const double maximumW = maximumTotalW(componentsWithPeaksW(fields));
    if (!faults.passed(maximumW))
        return;
    writeUnrounded(txtqtongmax, maximumW);
}

void Kelvora::showNotes() {
    for (QLineEdit* roomValue : {txtdientich, txtsonguoi, txtnhietdongoai, txtnhietdotrong,
                                 txtenthanpyngoai, txtenthanpytrong})
        showValueUsed(roomValue);
    for (QLineEdit* checkedOnly : {txtdoamngoai, txtdoamtrong, txtdungamngoai, txtdungamtrong})
        setFixedNote(checkedOnly, "Không dùng để tính; chỉ cần không để trống");
    for (QLineEdit* checked : checkedFields(RoomCheck::Full))
        warnWhileEmpty(checked, "Cần có số liệu để mở các cửa sổ tính");
    markImplausible({{txtdientich, RoomQuantity::AreaM2},
                     {txtsonguoi, RoomQuantity::People},
                     {txtnhietdongoai, RoomQuantity::TemperatureC},
                     {txtnhietdotrong, RoomQuantity::TemperatureC},
                     {txtdoamngoai, RoomQuantity::RelativeHumidityPercent},
                     {txtdoamtrong, RoomQuantity::RelativeHumidityPercent},
                     {txtdungamngoai, RoomQuantity::MoistureGPerKg},
                     {txtdungamtrong, RoomQuantity::MoistureGPerKg},
                     {txtenthanpyngoai, RoomQuantity::EnthalpyKJPerKg},
                     {txtenthanpytrong, RoomQuantity::EnthalpyKJPerKg}});
    new AirCheck({{txtnhietdongoai, txtdoamngoai, txtdungamngoai, txtenthanpyngoai},
                  {txtnhietdotrong, txtdoamtrong, txtdungamtrong, txtenthanpytrong}},
                 this);

    for (const ComponentRow& component : components()) {
        showValueUsed(this->*component.resultField);
        if (component.peakField != nullptr)
            showValueUsed(this->*component.peakField);
    }
}

RoomFields Kelvora::fields() {
    RoomFields fields{{txttenphong, txtdientich, txtsonguoi, txtnhietdongoai, txtnhietdotrong,
                       txtdoamngoai, txtdoamtrong, txtdungamngoai, txtdungamtrong, txtenthanpyngoai,
                       txtenthanpytrong},
                      {},
                      txtQtong,
                      txtqtongmax,
                      tinh,
                      cmdxoa};
    for (const ComponentRow& component : components())
        fields.components.push_back({this->*component.resultField, component.peakField != nullptr
                                                                       ? this->*component.peakField
                                                                       : nullptr});
    return fields;
}

void Kelvora::cmdxoa_Click() {
    const QString zero = QStringLiteral("0");
    for (const ComponentRow& component : components())
        (this->*component.resultField)->setText(zero);
    txtQtong->setText(zero);
    for (const ComponentRow& component : components())
        if (component.peakField != nullptr)
            (this->*component.peakField)->setText(zero);
    txtqtongmax->setText(zero);
}

void Kelvora::cmdthoat_Click() {
    close();
}

void Kelvora::cmdsaochep_Click() {
    if (RoomReport(*history_).copyToClipboard())
        copiedNote_->show(copiedNoteText(txttenphong->text()));
}

void Kelvora::loaiQ_Click() {
    const std::span<const ComponentRow> table = components();
    for (std::size_t entry = 0; entry < table.size(); ++entry)
        if (table[entry].hiddenBeforeCheck)
            calculators_.hide(entry);

    const std::optional<int> row = selectedRow(loaiQ);
    if (!row)
        return;
    const auto chosen = static_cast<std::size_t>(*row);

    if (!airConditionsFilled(table[chosen].check)) {
        showMessage(this, airConditionsMissing);
        return;
    }

    calculators_.show(chosen);
    for (std::size_t other = 0; other < table.size(); ++other)
        if (other != chosen)
            calculators_.hide(other);
}

std::vector<QLineEdit*> Kelvora::checkedFields(RoomCheck check) const {
    std::vector<QLineEdit*> fields{txtnhietdotrong, txtnhietdongoai, txtdungamtrong,
                                   txtdungamngoai};
    if (check == RoomCheck::Full)
        fields.insert(fields.end(), {txtsonguoi, txtdoamtrong, txtdoamngoai});
    return fields;
}

bool Kelvora::airConditionsFilled(RoomCheck check) const {
    // Only an exactly empty text fails: a blank passes, and nothing is parsed.
    const std::vector<QLineEdit*> fields = checkedFields(check);
    return std::none_of(fields.begin(), fields.end(),
                        [](const QLineEdit* field) { return field->text().isEmpty(); });
}

Kelvora::~Kelvora() {
    // Its calculators go first: they are windows of this one's.
    calculators_.destroyAll();
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
    QWidget::closeEvent(event);
}

} // namespace kelvora::ui
