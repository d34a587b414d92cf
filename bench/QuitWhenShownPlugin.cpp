// Ends a program from outside it, for timing its start-up (bench/run): a Qt
// generic plugin that, loaded into any Qt Widgets program through
// QT_QPA_GENERIC_PLUGINS=quitwhenshown, ends the event loop once the first
// top-level window has been painted. The quit is queued, so the paint that
// triggers it is finished and flushed first. The program itself knows
// nothing of it, and Kelvora and the bare window are ended alike.

#include <QCoreApplication>
#include <QEvent>
#include <QGenericPlugin>
#include <QTimer>
#include <QWidget>

namespace {

class QuitWhenShown : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !quitting_ && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            quitting_ = true;
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool quitting_ = false;
};

} // namespace

class QuitWhenShownPlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "quitwhenshown.json")

public:
    QObject* create(const QString& /*name*/, const QString& /*options*/) override {
        // Qt loads generic plugins while the application object is being
        // made, so it is there to watch; Qt deletes what this returns.
        auto* filter = new QuitWhenShown;
        QCoreApplication::instance()->installEventFilter(filter);
        return filter;
    }
};

#include "QuitWhenShownPlugin.moc"
