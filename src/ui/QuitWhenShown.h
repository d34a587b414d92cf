#pragma once

// For timing a start-up from outside (bench/run): installed on a window, it
// ends the event loop once that window has been painted for the first time,
// so that the process exits by itself with its window drawn. The quit is
// queued, so the paint that triggers it is finished and flushed first.
// Header-only, so that the bare window it is compared with uses it too.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

namespace kelvora::ui {

class QuitWhenShown : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !quitting_) {
            quitting_ = true;
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool quitting_ = false;
};

} // namespace kelvora::ui
