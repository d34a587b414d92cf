// Renders the pictures of the README and of the user guide from the real
// windows: each calculator as the sample room fills it in, just before its
// Tính is pressed; the main window with every result and both totals; then a
// room field typed as a reader would misread it, and the roof calculator
// whose copied temperature no longer matches the room, each with the tooltip
// of the field the mouse rests on; a result's working, a result that no
// longer holds, and the copied room as a word processor shows it; the outdoor
// air checked against itself, and a disabled Tính that Enter met; last, in a
// room of its own, a result computed from a misread volume, and the total
// that carries the mark. Run it
// through tools/render-screenshots.sh, never by hand-editing the images.

#include "SampleRoom.h"
#include "UiDriver.h"
#include "report/RoomReport.h"
#include "ui/windows/CalculatorWindow.h"
#include "ui/windows/Kelvora.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QHelpEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QPoint>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>

#include <array>
#include <cstddef>
#include <cstdio>

using namespace kelvora::ui::test;

namespace {

// One picture a calculator, in the order of the main window's list.
constexpr std::array calculatorPictures = {
    "equipment.png", "lighting.png", "occupants.png", "infiltration.png",
    "glazing.png",   "envelope.png", "roof.png",      "floor.png",
};

constexpr int lightingEntry = 1;
constexpr int roofEntry = 6;

// The heaviest compression: the pictures are committed, and it costs nothing
// in what they show.
constexpr int smallestPng = 0;

bool save(const QPixmap& picture, const QDir& folder, const char* file) {
    const QString path = folder.filePath(QString::fromLatin1(file));
    if (!picture.save(path, "PNG", smallestPng)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

QWidget* shownTooltip() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QLatin1String("qtooltip_label") && widget->isVisible())
            return widget;
    return nullptr;
}

// The window with the tooltip that is up: the tooltip is a window of its
// own, which a grab of the window does not hold, so it is painted over the
// grab where the screen would show it. Without a tooltip the picture is the
// window alone.
QPixmap withTooltip(QWidget* window) {
    QWidget* tooltip = nullptr;
    const bool shown =
        QTest::qWaitFor([&tooltip] { return (tooltip = shownTooltip()) != nullptr; }, 500);

    const QPixmap grabbed = window->grab();
    if (!shown)
        return grabbed;
    const QPoint origin = window->mapToGlobal(QPoint(0, 0));
    const QRect windowRect = window->rect();
    const QRect tooltipRect = tooltip->geometry().translated(-origin);
    const QRect canvas = windowRect.united(tooltipRect);
    const qreal ratio = grabbed.devicePixelRatio();
    QPixmap picture(canvas.size() * ratio);
    picture.setDevicePixelRatio(ratio);
    // Where the tooltip reaches beyond the window, a plain background.
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        painter.drawPixmap(windowRect.topLeft() - canvas.topLeft(), grabbed);
        painter.drawPixmap(tooltipRect.topLeft() - canvas.topLeft(), tooltip->grab());
    }
    QToolTip::hideText();
    // The next hover would otherwise find this tooltip still up.
    if (!QTest::qWaitFor([] { return shownTooltip() == nullptr; }, 2000))
        std::fprintf(stderr, "a tooltip stayed up\n");
    return picture;
}

// The window as the mouse resting on the field leaves it.
QPixmap hovering(QWidget* window, QLineEdit* field) {
    const QPoint at = field->rect().center();
    QHelpEvent hover(QEvent::ToolTip, at, field->mapToGlobal(at));
    QApplication::sendEvent(field, &hover);
    return withTooltip(window);
}

// Each calculator filled in and pictured, then computed, then the totals.
bool workThrough(kelvora::ui::Kelvora& room, const QDir& folder) {
    for (const CalculatorVisit& calculator : sampleRoom()) {
        QString failure;
        QAbstractButton* compute = openAndFillIn(room, calculator, Input::Mouse, failure);
        if (compute == nullptr) {
            std::fprintf(stderr, "%s\n", qPrintable(failure));
            return false;
        }
        // As the user leaves it to press Tính, with no text cursor blinking
        // in a field to make two renderings differ.
        compute->setFocus();
        QWidget* window = room.calculators().window(calculator.entry);
        const auto entry = static_cast<std::size_t>(calculator.entry);
        if (entry >= calculatorPictures.size() ||
            !save(window->grab(), folder, calculatorPictures.at(entry)))
            return false;
        clickButton(compute);
    }
    computeTotals(room, Input::Mouse);
    return save(room.grab(), folder, "main-window.png");
}

// The envelope's result with its working, and the room as Sao chép copies it
// on a Vietnamese desktop: its HTML shown as a word processor would paste it,
// and kept as copied-room.html for a spreadsheet to paste.
bool showWorking(kelvora::ui::Kelvora& room, const QDir& folder) {
    if (!save(hovering(&room, room.txtQ6), folder, "working.png"))
        return false;
    retype(room.txttenphong, QStringLiteral("Phòng họp tầng 2"));
    const QString html = kelvora::report::RoomReport(room.model())
                             .html(QLocale(QLocale::Vietnamese, QLocale::Vietnam));
    QFile copied(folder.filePath(QStringLiteral("copied-room.html")));
    if (!copied.open(QIODevice::WriteOnly) || copied.write(html.toUtf8()) < 0) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(copied.fileName()));
        return false;
    }
    constexpr int pageWidthPx = 1100;
    QTextDocument page;
    page.setHtml(html);
    page.setTextWidth(pageWidthPx);
    QPixmap picture(page.size().toSize());
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        page.drawContents(&painter);
    }
    return save(picture, folder, "pasted-table.png");
}

// A comma typed for a decimal point, and an outdoor temperature changed after
// the roof calculator copied the old one.
bool showWarnings(kelvora::ui::Kelvora& room, const QDir& folder) {
    retype(room.txtdientich, QStringLiteral("48,5"));
    retype(room.txtnhietdongoai, QStringLiteral("37"));
    if (!save(hovering(&room, room.txtdientich), folder, "warning-main-window.png") ||
        !save(hovering(&room, room.txtQ6), folder, "stale-result.png"))
        return false;

    clickEntry(room.loaiQ, roofEntry);
    QWidget* roof = room.calculators().window(roofEntry);
    if (roof == nullptr || !QTest::qWaitForWindowExposed(roof)) {
        std::fprintf(stderr, "the roof calculator did not appear\n");
        return false;
    }
    auto* outdoor = roof->findChild<QLineEdit*>(QStringLiteral("txtnhietdongoai"));
    return outdoor != nullptr && save(hovering(roof, outdoor), folder, "warning-roof.png");
}

// The outdoor enthalpy against the air it was typed for, now 37 °C; and the
// lighting calculator, made afresh after its compute, where Enter meets a
// disabled Tính.
bool showChecks(kelvora::ui::Kelvora& room, const QDir& folder) {
    if (!save(hovering(&room, room.txtenthanpyngoai), folder, "air-check.png"))
        return false;
    clickEntry(room.loaiQ, lightingEntry);
    QWidget* lighting = room.calculators().window(lightingEntry);
    if (lighting == nullptr || !QTest::qWaitForWindowExposed(lighting)) {
        std::fprintf(stderr, "the lighting calculator did not appear\n");
        return false;
    }
    auto* area = lighting->findChild<QLineEdit*>(QStringLiteral("txtdientich"));
    area->setFocus();
    QTest::keyClick(area, Qt::Key_Return);
    return save(withTooltip(lighting), folder, "disabled-compute.png");
}

// The sample room with Q4's volume typed with a decimal comma: the result
// and the maximum total, each with its note.
bool showMarkedInput(const QDir& folder) {
    kelvora::ui::Kelvora room;
    room.show();
    QString failure;
    CalculatorVisit infiltration = sampleRoom()[3];
    infiltration.inputs << QStringLiteral("txtthetichphong=158,4");
    if (!QTest::qWaitForWindowExposed(&room) || !computeSampleRoom(room, failure) ||
        !visit(room, infiltration, Input::Mouse, failure)) {
        std::fprintf(stderr, "%s\n", qPrintable(failure));
        return false;
    }
    computeTotals(room, Input::Mouse);
    return save(hovering(&room, room.txtQ4), folder, "marked-result.png") &&
           save(hovering(&room, room.txtqtongmax), folder, "marked-total.png");
}

// The sample room's air on the I-d chart, and the outdoor moisture content's
// note, which says how to fill it in.
bool showChart(const QDir& folder) {
    kelvora::ui::Kelvora room;
    room.show();
    if (!QTest::qWaitForWindowExposed(&room))
        return false;
    clickButton(room.cmdbieudo);
    QWidget* chart = room.chart();
    if (chart == nullptr || !QTest::qWaitForWindowExposed(chart)) {
        std::fprintf(stderr, "the I-d chart did not appear\n");
        return false;
    }
    return save(chart->grab(), folder, "id-chart.png") &&
           save(hovering(&room, room.txtdungamngoai), folder, "air-fill.png");
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
    const bool rendered = workThrough(room, folder) && showWorking(room, folder) &&
                          showWarnings(room, folder) && showChecks(room, folder) &&
                          showMarkedInput(folder) && showChart(folder);
    return rendered ? 0 : 1;
}
