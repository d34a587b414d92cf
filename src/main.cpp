#include "ui/Layout.h"
#include "ui/windows/Kelvora.h"

#include <QApplication>

// The program has no command line: whatever it is started with, it starts the
// same way, so Qt is handed the program's name alone.
int main() {
    char name[] = "kelvora";
    char* arguments[] = {name, nullptr};
    int count = 1;
    QApplication app(count, arguments);
    QApplication::setDesktopFileName(QStringLiteral(KELVORA_APP_ID));
    // Every window sets this font for itself, but a line edit lays its first
    // text out in the application's font before it takes its window's: without
    // this, a second typeface would be loaded for that alone.
    QApplication::setFont(kelvora::ui::captionFont());
    kelvora::ui::Kelvora window;
    window.show();
    return QApplication::exec();
}
