// Renders the README's pictures: the sample room worked through, the main
// window with every result, and the glazing calculator as it was left. Run
// it through tools/render-screenshots.sh, never by hand-editing the images.

#include "SampleRoom.h"
#include "UiDriver.h"
#include "ui/CalculatorWindow.h"
#include "ui/ComponentTable.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QPixmap>
#include <QTest>

#include <cstdio>

using namespace kelvora::ui::test;

namespace {

bool save(QWidget* window, const QDir& folder, const char* file) {
    const QString path = folder.filePath(QString::fromLatin1(file));
    if (!window->grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    MessageBoxAnswerer answerer;
    kelvora::ui::Kelvora room;
    room.show();
    if (!QTest::qWaitForWindowExposed(&room))
        return 1;
    for (const CalculatorVisit& calculator : sampleRoom()) {
        QString failure;
        if (!visit(room, calculator, Input::Mouse, failure)) {
            std::fprintf(stderr, "%s\n", qPrintable(failure));
            return 1;
        }
    }
    computeTotals(room, Input::Mouse);

    constexpr int glazingEntry = 4;
    clickEntry(room.loaiQ, glazingEntry);
    QWidget* glazing = room.calculators().window(glazingEntry);
    if (glazing == nullptr || !QTest::qWaitForWindowExposed(glazing))
        return 1;
    return save(&room, folder, "main-window.png") && save(glazing, folder, "glazing.png") ? 0 : 1;
}
