#include "ui/windows/RoomView.h"

#include "core/ArithmeticFault.h"
#include "core/HeatBalance.h"
#include "core/UnitSizes.h"
#include "room/Words.h"
#include "ui/notes/FieldNotes.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <QLineEdit>
#include <QShortcut>

#include <cmath>

namespace kelvora::ui {

namespace {

const char* const workingPrefix = "Cách tính: ";
const char* const typedByHand = "Nhập tay";
const char* const fillTells =
    "Điền dung ẩm và enthanpy theo nhiệt độ và độ ẩm (áp suất tiêu chuẩn); Ctrl+Z trong ô "
    "lấy lại giá trị cũ";

QString workingNote(const room::ResultState& state) {
    if (state.typed)
        return QString::fromUtf8(typedByHand);
    return state.working.isEmpty() ? QString() : QString::fromUtf8(workingPrefix) + state.working;
}

QString loadText(const QString& loadW, double (*convert)(double)) {
    const FlagsKept flags;
    const double valueW = room::readNumber(loadW);
    return std::isfinite(valueW) ? room::numberField(convert(valueW)) : QString();
}

// Writes the model's text into the field, where it holds another: a field
// that already shows it keeps its cursor and its undo.
void show(QLineEdit* field, const QString& text) {
    if (field->text() != text)
        field->setText(text);
}

} // namespace

QString kilowattsText(const QString& loadW) {
    return loadText(loadW, kilowatts);
}

QString btuPerHourText(const QString& loadW) {
    return loadText(loadW, btuPerHour);
}

QString sizingWords(const room::Sizing& sizing) {
    QString line =
        QStringLiteral("Tải lớn nhất %1 kW; %2 BTU/h")
            .arg(room::numberField(sizing.kilowatts), room::numberField(sizing.btuPerHour));
    if (sizing.wattsPerM2)
        line += QStringLiteral("; %1 W/m²").arg(room::numberField(*sizing.wattsPerM2));
    if (sizing.unit)
        line += QStringLiteral("; nên chọn máy ") +
                room::unitWords(sizing.unit->btuPerHour, sizing.unit->horsepower);
    else if (sizing.aboveLargest)
        line += QStringLiteral("; trên %1 BTU/h: cần nhiều máy hoặc một hệ thống trung tâm")
                    .arg(room::numberField(splitUnitSizes.back().btuPerHour));
    else
        line += QStringLiteral("; không cần máy");
    return line;
}

RoomView::RoomView(room::RoomModel& model, QObject* parent)
    : QObject(parent)
    , model_(model) {
    connect(&model_, &room::RoomModel::statesChanged, this, &RoomView::showStates);
}

void RoomView::bindRoom(QLineEdit* field, room::RoomValue value) {
    room_.emplace_back(field, value);
    model_.setText(value, field->text());
    connect(field, &QLineEdit::textChanged, this,
            [this, value](const QString& text) { model_.setText(value, text); });
    connect(&model_, &room::RoomModel::roomChanged, field,
            [this, field, value](room::RoomValue changed) {
                if (changed == value)
                    show(field, model_.text(value));
            });
}

void RoomView::bindResult(QLineEdit* field, room::ResultId result) {
    results_.emplace_back(field, result);
    bindWritten(field, result, &room::RoomModel::resultChanged);
}

void RoomView::bindTotal(QLineEdit* field, room::TotalKind total) {
    totals_.emplace_back(field, total);
    bindWritten(field, total, &room::RoomModel::totalChanged);
}

template <class Id>
void RoomView::bindWritten(QLineEdit* field, Id id, void (room::RoomModel::*changed)(Id)) {
    // What the user types is typed by hand; what the program writes keeps its story.
    connect(field, &QLineEdit::textEdited, this,
            [this, id](const QString& text) { model_.typed(id, text); });
    connect(field, &QLineEdit::textChanged, this,
            [this, id](const QString& text) { model_.setText(id, text); });
    connect(&model_, changed, field, [this, field, id](Id written) {
        if (written == id)
            show(field, model_.text(id));
    });
    show(field, model_.text(id));
}

void RoomView::bindFill(QAbstractButton* button, room::AirSide side) {
    // A disabled button lets its Alt key through to the focused field, which
    // would take it for a letter typed.
    auto* refused = new QShortcut(QKeySequence::mnemonic(button->text()), button->window());
    refused->setEnabled(false);
    connect(refused, &QShortcut::activated, button,
            [this, button, side] { showBelow(button, model_.fill(side).whyNot); });
    fills_.push_back({button, side, refused});
    setFixedNote(button, fillTells);
    connect(button, &QAbstractButton::clicked, this, [this, side] { fill(side); });
}

void RoomView::fill(room::AirSide side) {
    const room::AirFill filled = model_.fill(side);
    if (!filled.whyNot.isEmpty())
        return;
    // Inserted over the whole text, as typing would: the field keeps it for Ctrl+Z.
    for (const auto& [field, value] : room_)
        if (room::filledSide(value) == side) {
            field->selectAll();
            field->insert(room::filledText(filled, value));
        }
}

QString RoomView::fillHint(room::RoomValue value) const {
    for (const auto& [button, side, refused] : fills_) {
        if (room::filledSide(value) != side)
            continue;
        const room::AirFill filled = model_.fill(side);
        if (!filled.whyNot.isEmpty())
            return filled.whyNot;
        QString name = button->text();
        name.remove(u'&');
        return QStringLiteral("Nút \"%1\" (%2) điền giá trị này")
            .arg(name, QKeySequence::mnemonic(button->text()).toString(QKeySequence::NativeText));
    }
    return {};
}

void RoomView::bindSizing(QLineEdit* line) {
    sizing_ = line;
}

void RoomView::showStates() {
    if (sizing_ != nullptr) {
        const std::optional<room::Sizing> sizing = model_.sizing();
        show(sizing_, sizing ? sizingWords(*sizing) : QString());
        // The line says no more than the total it comes from.
        const room::ResultState state = model_.state(room::TotalKind::Maximum);
        const bool shown = sizing.has_value();
        setNote(sizing_, NoteSource::Stale, shown ? state.stale : QString(), NoteLook::Warning);
        setNote(sizing_, NoteSource::Totals, shown ? state.totalsStale : QString(),
                NoteLook::Warning);
        setNote(sizing_, NoteSource::Range, shown ? state.marked : QString(), NoteLook::Warning);
        // A total typed by hand is sized as it reads, and says so.
        const QString typed =
            !shown || !state.typed ? QString()
            : state.misread ? room::reading(QStringLiteral("Nhiệt tổng Q Max nhập tay"),
                                            model_.text(room::TotalKind::Maximum), sizing->maximumW)
                            : QStringLiteral("Nhiệt tổng Q Max nhập tay");
        setNote(sizing_, NoteSource::Working, typed,
                state.misread ? NoteLook::Warning : NoteLook::Described);
    }
    for (const auto& [button, side, refused] : fills_) {
        const QString whyNot = model_.fill(side).whyNot;
        button->setEnabled(whyNot.isEmpty());
        // One of the two at a time: a key two shortcuts share does nothing.
        refused->setEnabled(!whyNot.isEmpty());
        setNote(button, NoteSource::Rule, whyNot, NoteLook::Described);
    }
    for (const auto& [field, value] : room_) {
        const room::RoomValueState state = model_.state(value);
        const QString hint = fillHint(value);
        setNote(field, NoteSource::AirCheck,
                hint.isEmpty() || state.airCheck.isEmpty() ? state.airCheck
                                                           : state.airCheck + u'\n' + hint,
                state.airDisagrees ? NoteLook::Warning : NoteLook::Described);
        setNote(field, NoteSource::Rule, state.needed, NoteLook::Warning);
        setNote(field, NoteSource::Range, state.implausible, NoteLook::Warning);
    }
    for (const auto& [field, result] : results_) {
        const room::ResultState state = model_.state(result);
        setNote(field, NoteSource::Working, workingNote(state), NoteLook::Described);
        setNote(field, NoteSource::Stale, state.stale, NoteLook::Warning);
        setNote(field, NoteSource::Range, state.marked, NoteLook::Warning);
    }
    for (const auto& [field, total] : totals_) {
        const room::ResultState state = model_.state(total);
        QString note = workingNote(state);
        if (const QString kW = kilowattsText(model_.text(total)); !note.isEmpty() && !kW.isEmpty())
            note += QStringLiteral("\n%1 kW; %2 BTU/h").arg(kW, btuPerHourText(model_.text(total)));
        setNote(field, NoteSource::Working, note, NoteLook::Described);
        setNote(field, NoteSource::Stale, state.stale, NoteLook::Warning);
        setNote(field, NoteSource::Totals, state.totalsStale, NoteLook::Warning);
        setNote(field, NoteSource::Range, state.marked, NoteLook::Warning);
    }
}

} // namespace kelvora::ui
