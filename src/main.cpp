#include "ui/Kelvora.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    kelvora::ui::Kelvora window;
    window.show();
    return QApplication::exec();
}
