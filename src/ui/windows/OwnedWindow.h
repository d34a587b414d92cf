#pragma once

// A window of the main window's own, not modal: a dialog-type top-level
// window that the window manager keeps above the main window, so that working
// in the main window never buries it. It opens beside the main window
// wherever that stands now (or over it where the screen has no room beside
// it); once the user has moved it, it opens where the user put it. The close
// box destroys it: its owner forgets it and makes it anew when next asked.
// The calculators are such windows, and so is the I-d chart.

#include <QPoint>
#include <QWidget>

#include <optional>

class QCloseEvent;
class QMoveEvent;

namespace kelvora::ui {

class OwnedWindow : public QWidget {
    Q_OBJECT
    Q_CLASSINFO("accessibleRole", "Dialog")

public:
    // The inside of the window measures widthTwips × heightTwips.
    OwnedWindow(QWidget* owner, const char* name, const char* title, int widthTwips,
                int heightTwips);

    // Shows the window in front, where it opens.
    void showInFront();

signals:
    // The window has been closed and is about to be destroyed.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    // The top left of the frame beside the owner, where the screen has room.
    [[nodiscard]] QPoint placeBesideOwner() const;
    void moveFrameTo(QPoint frameTopLeft);

    std::optional<QPoint> askedAt_;   // the frame's top left, where the program last put it
    std::optional<QPoint> userPlace_; // the same, where the user last put it
};

} // namespace kelvora::ui
