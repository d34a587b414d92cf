#include "ui/Kelvora.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setDesktopFileName(QStringLiteral(KELVORA_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/" KELVORA_APP_ID ".png")));
    kelvora::ui::Kelvora window;
    window.show();
    return QApplication::exec();
}
