#pragma once

// What a window tells the user about a control beyond what it shows: the
// number a calculation will read from a field, that nothing reads it, that
// nothing is picked in a list yet, that a copy or a total is out of date.
// A control may carry several notes at once, each from its own source; every
// note shows in the tooltip and is the control's accessible description too,
// so that a screen reader says whatever a sighted user can read. A warning
// tints the control; nothing here moves it, takes the focus, opens a box or
// changes a text.

#include <QString>
#include <QStringList>

class QLineEdit;
class QListWidget;
class QWidget;

namespace kelvora::ui {

enum class NoteSource {
    Value,    // the number a calculation reads from the field
    Fixed,    // what the field or list is for, set once
    Copy,     // a copy of a room field that no longer agrees with it
    Totals,   // totals that no longer add up what they should
    AirCheck, // what the air's other values say this one should be
    Rule,     // what the control needs: a field to be filled in, a button to be enabled
    Working,  // how a result came about, or that it was typed; shown first
    Stale,    // a result computed with room values the room no longer holds
    Range,    // a value that cannot be, or a result computed with one
};

enum class NoteLook {
    Described, // the control looks as it always does
    Warning,   // the control tinted
    Greyed,    // the control's entries greyed
};

// Sets the source's note on the control, replacing what that source said
// before; an empty text takes the note away. A note longer than a tooltip can
// sensibly show is cut short with "…".
void setNote(QWidget* control, NoteSource source, const QString& text, NoteLook look);

// The warnings the control shows now, each as its tooltip says it, apart from
// what showValueUsed says of the number read: a copy of the control's value
// says that in its own words.
[[nodiscard]] QStringList warnings(const QWidget* control);

// The field tells, whenever its text changes, the number a calculation reads
// from it, and warns where that is probably not the number the user meant.
void showValueUsed(QLineEdit* field);

// showValueUsed for every field of the window without a fixed note.
void showValuesUsed(QWidget* window);

// A note that never changes, read out too: what the control is (not) for.
void setFixedNote(QWidget* control, const char* text);

// The field warns, while it is empty, that the text is needed.
void warnWhileEmpty(QLineEdit* field, const char* text);

// Shows the text at once just under the control, as its tooltip would: what
// a key that did nothing would have done, and why it did not.
void showBelow(QWidget* control, const QString& text);

// The list says "nothing picked" while no entry is selected.
void showUnpicked(QListWidget* list);

} // namespace kelvora::ui
