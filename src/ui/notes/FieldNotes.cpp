#include "ui/notes/FieldNotes.h"

#include "core/ArithmeticFault.h"
#include "core/FieldText.h"
#include "ui/Fields.h"

#include <QColor>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPoint>
#include <QStringList>
#include <QToolTip>
#include <QWidget>

#include <array>
#include <optional>
#include <vector>

namespace kelvora::ui {

namespace {

constexpr std::size_t sourceCount = 9;
static_assert(static_cast<std::size_t>(NoteSource::Range) + 1 == sourceCount);

// Enough for the longest working; a field's text can be any length.
constexpr qsizetype longestNote = 1000;

// Light amber behind black text: legible, and unlike any colour the style uses.
const QColor warningTint(255, 226, 150);

const char* const valueUsed = "Giá trị dùng để tính: ";
const char* const unpicked = "Chưa chọn";

// A character's code point as Unicode writes it, "U+00A0": what tells apart
// spaces and digits that look the same.
QString codeName(char32_t code) {
    return QStringLiteral("U+%1").arg(static_cast<uint>(code), 4, 16, QChar(u'0')).toUpper();
}

// Why the number read is probably not the one meant, and what to type.
QString misreadingNote(const std::string& text) {
    const MisreadingReason reason = likelyMisreading(text);
    const QString read = numberWords(kelvora::fieldValue(text));
    switch (reason.kind) {
    case Misreading::None:
        break;
    case Misreading::NoNumber:
        return QStringLiteral("Nội dung không bắt đầu bằng một số, nên được đọc là 0.");
    case Misreading::DecimalComma: {
        QString note = QStringLiteral("Dấu phẩy kết thúc số, nên chỉ đọc được %1.").arg(read);
        if (!reason.meant.empty())
            note += QStringLiteral(" Phần thập phân viết sau dấu chấm: %1")
                        .arg(quoted(QString::fromStdString(reason.meant)));
        return note;
    }
    case Misreading::SecondPoint:
        return QStringLiteral("Một số chỉ có một dấu chấm: đọc dừng ở dấu chấm thứ hai, nên chỉ "
                              "đọc được %1.")
            .arg(read);
    case Misreading::Sign:
        return QStringLiteral("Dấu %1 chỉ đứng ở đầu số: đọc dừng ở dấu %1, nên chỉ đọc được %2.")
            .arg(QChar::fromLatin1(reason.stop), read);
    case Misreading::Space:
        return QStringLiteral("Dấu cách đặc biệt (%1) kết thúc số, nên chỉ đọc được %2.")
            .arg(codeName(reason.stopCode), read);
    case Misreading::FullWidthDigit:
        return QStringLiteral("Chữ số toàn khổ (%1) không đọc được như chữ số, nên chỉ đọc "
                              "được %2.")
            .arg(codeName(reason.stopCode), read);
    }
    return {};
}

struct Note {
    QString text;
    NoteLook look;
};

// The notes of one control, kept as its child so that they go with it.
class Notes : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    static const Notes* find(const QWidget* control) {
        return control->findChild<const Notes*>(QString(), Qt::FindDirectChildrenOnly);
    }

    static Notes& of(QWidget* control) {
        auto* notes = control->findChild<Notes*>(QString(), Qt::FindDirectChildrenOnly);
        return notes != nullptr ? *notes : *new Notes(control);
    }

    [[nodiscard]] const Note* fixed() const {
        const std::optional<Note>& note = notes_[static_cast<std::size_t>(NoteSource::Fixed)];
        return note ? &*note : nullptr;
    }

    [[nodiscard]] QStringList warnings() const {
        QStringList texts;
        for (std::size_t source = 0; source < sourceCount; ++source)
            if (const std::optional<Note>& note = notes_[source];
                note && note->look == NoteLook::Warning &&
                source != static_cast<std::size_t>(NoteSource::Value))
                texts << note->text;
        return texts;
    }

    void set(NoteSource source, std::optional<Note> note) {
        notes_[static_cast<std::size_t>(source)] = std::move(note);
    }

    void apply(QWidget* control) const {
        QStringList tooltip;
        bool warning = false;
        bool greyed = false;
        // A result's working explains the number the field shows: it leads.
        std::vector<const Note*> ordered;
        const std::optional<Note>& working = notes_[static_cast<std::size_t>(NoteSource::Working)];
        if (working)
            ordered.push_back(&*working);
        for (const std::optional<Note>& note : notes_)
            if (note && &note != &working)
                ordered.push_back(&*note);
        for (const Note* note : ordered) {
            tooltip << note->text;
            warning = warning || note->look == NoteLook::Warning;
            greyed = greyed || note->look == NoteLook::Greyed;
        }
        control->setToolTip(tooltip.join(u'\n'));
        control->setAccessibleDescription(tooltip.join(u'\n'));

        // A palette of its own only while a note asks for one, so that the
        // control looks exactly as before once the note is gone.
        if (!warning && !greyed) {
            if (control->testAttribute(Qt::WA_SetPalette))
                control->setPalette(QPalette());
            return;
        }
        QPalette palette = control->parentWidget() != nullptr ? control->parentWidget()->palette()
                                                              : control->palette();
        if (warning)
            palette.setColor(QPalette::Base, warningTint);
        if (greyed)
            palette.setColor(QPalette::Text,
                             palette.color(QPalette::Disabled, QPalette::WindowText));
        control->setPalette(palette);
    }

private:
    std::array<std::optional<Note>, sourceCount> notes_;
};

void showValueOf(QLineEdit* field) {
    // Reading the text may raise an overflow while a compute is under way.
    const FlagsKept flags;
    const std::string text = field->text().toStdString();
    QString note = QString::fromUtf8(valueUsed) + numberWords(kelvora::fieldValue(text));
    const QString why = misreadingNote(text);
    if (!why.isEmpty())
        note += u'\n' + why;
    setNote(field, NoteSource::Value, note,
            why.isEmpty() ? NoteLook::Described : NoteLook::Warning);
}

void showEmptiness(QLineEdit* field, const QString& text) {
    setNote(field, NoteSource::Rule, field->text().isEmpty() ? text : QString(), NoteLook::Warning);
}

void showPick(QListWidget* list) {
    const bool picked = !list->selectedItems().isEmpty();
    setNote(list, NoteSource::Fixed, picked ? QString() : QString::fromUtf8(unpicked),
            NoteLook::Greyed);
}

} // namespace

void setNote(QWidget* control, NoteSource source, const QString& text, NoteLook look) {
    Notes& notes = Notes::of(control);
    const QString shown =
        text.size() > longestNote ? text.left(longestNote - 1) + QChar(0x2026) : text;
    notes.set(source, text.isEmpty() ? std::nullopt : std::optional<Note>(Note{shown, look}));
    notes.apply(control);
}

QStringList warnings(const QWidget* control) {
    const Notes* notes = Notes::find(control);
    return notes != nullptr ? notes->warnings() : QStringList();
}

void showValueUsed(QLineEdit* field) {
    showValueOf(field);
    QObject::connect(field, &QLineEdit::textChanged, field, [field] { showValueOf(field); });
}

void showValuesUsed(QWidget* window) {
    for (QLineEdit* field : window->findChildren<QLineEdit*>())
        if (Notes::of(field).fixed() == nullptr)
            showValueUsed(field);
}

void setFixedNote(QWidget* control, const char* text) {
    setNote(control, NoteSource::Fixed, QString::fromUtf8(text), NoteLook::Described);
}

void warnWhileEmpty(QLineEdit* field, const char* text) {
    const QString note = QString::fromUtf8(text);
    showEmptiness(field, note);
    QObject::connect(field, &QLineEdit::textChanged, field,
                     [field, note] { showEmptiness(field, note); });
}

void showBelow(QWidget* control, const QString& text) {
    QToolTip::showText(control->mapToGlobal(QPoint(0, control->height())), text, control);
}

void showUnpicked(QListWidget* list) {
    showPick(list);
    QObject::connect(list, &QListWidget::itemSelectionChanged, list, [list] { showPick(list); });
}

} // namespace kelvora::ui

#include "FieldNotes.moc"
