#include "ui/Kelvora.h"
#include "ui/Layout.h"
#include "ui/QuitWhenShown.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setDesktopFileName(QStringLiteral(KELVORA_APP_ID));
    // Every window sets this font for itself, but a line edit lays its first
    // text out in the application's font before it takes its window's: without
    // this, a second typeface would be loaded for that alone.
    QApplication::setFont(kelvora::ui::captionFont());
    // Declared before the window, so that it outlives it as its event filter.
    kelvora::ui::QuitWhenShown quitWhenShown;
    kelvora::ui::Kelvora window;
    if (QCoreApplication::arguments().contains(QStringLiteral("--quit-when-shown")))
        window.installEventFilter(&quitWhenShown);
    window.show();
    return QApplication::exec();
}
