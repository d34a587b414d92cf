#pragma once

// A short note that a command leaves beside its button: it shows just above
// the button, inside the window, and goes by itself after a few seconds, as a
// tooltip would that needs no pointer. A screen reader meets it as an alert,
// and so reads it out as it shows, wherever the focus is. Showing it again
// while it stands replaces its text and starts its time anew.

#include <QLabel>
#include <QTimer>

namespace kelvora::ui {

class PassingNote : public QLabel {
    Q_OBJECT
    Q_CLASSINFO("accessibleRole", "AlertMessage")

public:
    // button: where the note stands; it is a child of the button's window.
    explicit PassingNote(QWidget* button);

    void show(const QString& text);

    static constexpr int shownMs = 4000;

private:
    QWidget* button_;
    QTimer timer_;
};

} // namespace kelvora::ui
