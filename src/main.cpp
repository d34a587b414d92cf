#include "ui/Kelvora.h"
#include "ui/QuitWhenShown.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Declared before the window, so that it outlives it as its event filter.
    kelvora::ui::QuitWhenShown quitWhenShown;
    kelvora::ui::Kelvora window;
    if (QCoreApplication::arguments().contains(QStringLiteral("--quit-when-shown")))
        window.installEventFilter(&quitWhenShown);
    window.show();
    return QApplication::exec();
}
