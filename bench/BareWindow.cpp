// The yardstick for kelvora's start-up: a Qt program with nothing but one
// window of the main window's inside size (8625 x 6090 twips) holding as many
// line edits as it does. bench/run ends it, as it ends kelvora, with the
// quitwhenshown plugin once it is painted.

#include <QApplication>
#include <QLineEdit>
#include <QWidget>

namespace {

constexpr int twipsPerInch = 1440;
constexpr int insideWidthTw = 8625;
constexpr int insideHeightTw = 6090;
constexpr int lineEditCount = 23; // the main window's 11 room and 12 result fields
constexpr int columns = 4;

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    const int dpi = window.logicalDpiX();
    window.setFixedSize(insideWidthTw * dpi / twipsPerInch, insideHeightTw * dpi / twipsPerInch);
    const int cellWidth = window.width() / columns;
    const int cellHeight = window.height() / ((lineEditCount + columns - 1) / columns);
    for (int index = 0; index < lineEditCount; ++index) {
        auto* edit = new QLineEdit(QStringLiteral("0"), &window);
        edit->setGeometry((index % columns) * cellWidth + 4, (index / columns) * cellHeight + 4,
                          cellWidth - 8, 25);
    }
    window.show();
    return QApplication::exec();
}
