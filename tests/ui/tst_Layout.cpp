// Where every window puts its controls, measured in twips as the windows were
// drawn, and whether each text fits the place it is given.

#include "UiDriver.h"
#include "room/Components.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace kelvora::ui::test;

class tst_Layout : public SessionTest {
    Q_OBJECT

private slots:
    void runsAtTheAskedScale();
    void laidOutInTwips_data();
    void laidOutInTwips();
    void textsFitTheirPlaces_data();
    void textsFitTheirPlaces();
    void textsHaveTheirGlyphs_data() { textsFitTheirPlaces_data(); }
    void textsHaveTheirGlyphs();

private:
    // -1 is the main window, else the calculator of that list entry.
    QWidget* show(int entry) { return entry < 0 ? window : openCalculator(entry); }
};

// CTest runs this test again at other scales; make sure they took effect.
void tst_Layout::runsAtTheAskedScale() {
    const QByteArray scale = qgetenv("QT_SCALE_FACTOR");
    const QByteArray fontDpi = qgetenv("QT_FONT_DPI");
    if (!scale.isEmpty())
        QCOMPARE(window->devicePixelRatioF(), scale.toDouble());
    if (!fontDpi.isEmpty() && qgetenv("QT_ENABLE_HIGHDPI_SCALING") == "0")
        QCOMPARE(window->logicalDpiX(), fontDpi.toInt());
    // Under Wine, the scale comes from the resolution that CTest gave the
    // session, as on Windows, and this says which it should be.
    const QByteArray ratio = qgetenv("KELVORA_DEVICE_PIXEL_RATIO");
    if (!ratio.isEmpty())
        QCOMPARE(window->devicePixelRatioF(), ratio.toDouble());
}

void tst_Layout::laidOutInTwips_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("name"); // empty: the window's inside
    QTest::addColumn<QRect>("twips");  // a width or height of 0 was never fixed

    const struct {
        int entry;
        const char* name;
        QRect twips;
    } places[] = {
        {-1, "", {0, 0, 8625, 6480}}, // a line below the buttons for the unit to buy
        {-1, "txttenphong", {1080, 240, 2295, 285}},
        {-1, "Label2", {3480, 240, 0, 0}},
        {-1, "txtdientich", {5640, 240, 735, 285}},
        {-1, "txtsonguoi", {7680, 240, 855, 285}},
        {-1, "Label5", {120, 600, 0, 0}},
        {-1, "txtnhietdongoai", {3240, 600, 855, 285}},
        {-1, "Label7", {4200, 960, 0, 0}},
        {-1, "txtdungamtrong", {7680, 1320, 855, 285}},
        {-1, "txtenthanpyngoai", {3240, 1680, 855, 285}},
        {-1, "CHONLOAINHIETTHUA", {120, 2040, 0, 0}},
        {-1, "loaiQ", {120, 2280, 6855, 315}},
        {-1, "Frame1", {120, 2760, 7935, 2535}},
        {-1, "Label10", {6600, 240, 0, 0}},
        {-1, "Q1", {240, 360, 0, 0}},
        {-1, "txtQ4", {3480, 600, 1095, 375}},
        {-1, "Q6", {1320, 1080, 0, 0}},
        {-1, "txtQ7", {2400, 1320, 1095, 375}},
        {-1, "txtQtong", {5160, 1320, 1455, 375}},
        {-1, "Label15", {2400, 1800, 0, 0}},
        {-1, "txtq5max", {240, 2040, 1095, 375}},
        {-1, "txtqtongmax", {5160, 2040, 1455, 375}},
        {-1, "tinh", {2520, 5400, 1215, 495}},
        {-1, "cmdxoa", {3960, 5400, 1215, 495}},
        {-1, "cmdthoat", {5400, 5400, 1215, 495}},
        {-1, "cmdsaochep", {6840, 5400, 1215, 495}},
        {-1, "lblchonmay", {120, 6045, 1095, 285}},
        {-1, "txtchonmay", {1320, 6030, 7200, 300}},
        {0, "", {0, 0, 5160, 3900}},
        {0, "Label2", {120, 240, 2415, 255}},
        {0, "txtsomayscan", {2520, 1680, 735, 285}},
        {0, "Label14", {3360, 2040, 615, 255}},
        {0, "Label7", {120, 2400, 2415, 255}},
        {0, "Label10", {3360, 2520, 735, 255}},
        {0, "cmdtinh", {1680, 3120, 1215, 495}},
        {1, "", {0, 0, 5160, 2415}},
        {1, "Label1", {120, 120, 0, 0}},
        {1, "txtdientich", {3240, 120, 1335, 375}},
        {1, "txttieuchuan", {3240, 600, 1335, 375}},
        {1, "tinh", {2280, 1680, 855, 375}},
        {4, "", {0, 0, 11085, 4920}},
        {4, "Label4", {3240, 240, 855, 375}},
        {4, "Label9", {9960, 240, 855, 375}},
        {4, "Label3", {120, 840, 0, 0}},
        {4, "txtdong", {3240, 720, 975, 375}},
        {4, "Text15", {4200, 1080, 975, 375}},
        {4, "txttbn", {5160, 1440, 975, 375}},
        {4, "txtcdbxB", {6120, 1800, 975, 375}},
        {4, "txttn", {9960, 720, 975, 375}},
        {4, "Label14", {120, 1920, 0, 0}},
        {4, "Label1", {120, 2280, 3495, 315}},
        {4, "lsthstrongsuot", {3240, 2280, 3135, 315}},
        {4, "Label19", {6480, 2280, 1455, 285}},
        {4, "txthstrongsuot", {8040, 2280, 615, 285}},
        {4, "lsthsbamban", {3240, 2760, 3135, 315}},
        {4, "txthskhucxa", {8040, 3240, 615, 285}},
        {4, "Label22", {6480, 3720, 1455, 285}},
        {4, "lsthstanxa", {3240, 3720, 3135, 315}},
        {4, "tinh", {5640, 4320, 1335, 375}},
        {5, "", {0, 0, 10260, 3660}},
        {5, "Label4", {3000, 120, 735, 375}},
        {5, "Label12", {8760, 120, 735, 375}},
        {5, "Label1", {120, 540, 0, 255}},
        {5, "txtdtdong", {3000, 480, 855, 375}},
        {5, "txtdttay", {3840, 480, 735, 375}},
        {5, "txthstntay", {3840, 1080, 735, 375}},
        {5, "txthsndtay", {3840, 1680, 855, 375}},
        {5, "txthstnkinh", {6240, 1080, 855, 375}},
        {5, "Label3", {120, 1740, 0, 255}},
        {5, "txthsndcua", {8760, 1680, 855, 375}},
        {5, "cmdtinh", {5040, 2520, 1215, 495}},
        {2, "", {0, 0, 6405, 2685}},
        {2, "songuoi", {0, 120, 3255, 375}},
        {2, "txtsonguoi", {3360, 120, 1455, 315}},
        {2, "Label4", {4920, 120, 975, 375}},
        {2, "Label3", {0, 480, 2895, 375}},
        {2, "txttreem", {3360, 480, 1455, 315}},
        {2, "Label2", {4920, 480, 975, 375}},
        {2, "Label5", {0, 1080, 2895, 375}},
        {2, "lstloailaodong", {3360, 1080, 2055, 315}},
        {2, "Label6", {0, 1680, 4455, 375}},
        {2, "txtq", {4440, 1680, 975, 285}},
        {2, "Label1", {5400, 1680, 975, 375}},
        {2, "tinh", {2640, 2280, 855, 375}},
        {3, "", {0, 0, 6075, 2595}},
        {3, "Label1", {120, 120, 3015, 255}},
        {3, "txtenthanpyngoai", {3360, 120, 1455, 285}},
        {3, "Label10", {4800, 120, 1215, 255}},
        {3, "Label2", {120, 480, 3015, 255}},
        {3, "txtenthanpytrong", {3360, 480, 1455, 285}},
        {3, "Label3", {4800, 480, 1215, 255}},
        {3, "Label4", {120, 960, 3015, 255}},
        {3, "txtthetichphong", {3360, 960, 1455, 285}},
        {3, "Label11", {4800, 1080, 1215, 255}},
        {3, "tinh", {2760, 1920, 975, 375}},
        {6, "", {0, 0, 8130, 3600}},
        {6, "txtdtmaibang", {2640, 270, 735, 285}},
        {6, "Label1", {120, 360, 0, 0}},
        {6, "txthstnmaibang", {5520, 270, 735, 285}},
        {6, "Label3", {3720, 360, 0, 0}},
        {6, "Label5", {6360, 360, 0, 0}},
        {6, "txthshtmaibang", {5520, 720, 735, 285}},
        {6, "Label9", {120, 720, 0, 0}},
        {6, "txtdtmaivom", {2640, 1110, 735, 285}},
        {6, "Label2", {120, 1200, 0, 0}},
        {6, "txthstnmaivom", {5520, 1110, 735, 285}},
        {6, "Label4", {3720, 1200, 0, 0}},
        {6, "Label6", {6360, 1200, 0, 0}},
        {6, "txthshtmaivom", {5520, 1560, 735, 285}},
        {6, "Label10", {120, 1560, 0, 0}},
        {6, "txtnhietdotrong", {3120, 2040, 735, 285}},
        {6, "Label7", {120, 2040, 0, 0}},
        {6, "txtnhietdongoai", {3120, 2520, 735, 285}},
        {6, "Label8", {120, 2520, 0, 0}},
        {6, "cmdtinh", {3480, 3000, 1215, 495}},
        {7, "", {0, 0, 6150, 3870}},
        {7, "label1", {360, 240, 0, 0}},
        {7, "txtnhietdongoai", {3120, 240, 1455, 375}},
        {7, "Label2", {360, 720, 0, 0}},
        {7, "txtnhietdotrong", {3120, 720, 1455, 375}},
        {7, "Label3", {360, 1200, 0, 0}},
        {7, "txtchieudai", {3120, 1200, 1455, 375}},
        {7, "Label5", {4560, 1200, 0, 0}},
        {7, "Label4", {360, 1680, 0, 0}},
        {7, "txtchieurong", {3120, 1680, 1455, 375}},
        {7, "Label6", {4560, 1680, 0, 0}},
        {7, "tinh", {2520, 2640, 1215, 495}},
    };
    for (const auto& place : places)
        QTest::addRow("%d %s", place.entry, place.name) << place.entry << place.name << place.twips;
}

void tst_Layout::laidOutInTwips() {
    QFETCH(int, entry);
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    QWidget* shown = show(entry);
    QVERIFY(shown != nullptr);
    QWidget* control = name.isEmpty() ? shown : shown->findChild<QWidget*>(name);
    QVERIFY2(control != nullptr, qPrintable(name));
    const QRect at = name.isEmpty() ? shown->rect() : control->geometry();
    const QRect expected = pixels(shown, twips);
    QCOMPARE(at.topLeft(), expected.topLeft());
    if (twips.width() > 0)
        QCOMPARE(at.width(), expected.width());
    if (twips.height() > 0)
        QCOMPARE(at.height(), expected.height());
}

void tst_Layout::textsFitTheirPlaces_data() {
    QTest::addColumn<int>("entry"); // -1: the main window
    QTest::newRow("main window") << -1;
    const auto table = kelvora::room::components();
    for (std::size_t entry = 0; entry < table.size(); ++entry)
        QTest::newRow(table[entry].entryText) << int(entry);
}

namespace {
constexpr int unitOverlapPx = 1;
} // namespace

void tst_Layout::textsFitTheirPlaces() {
    QFETCH(int, entry);
    QWidget* shown = show(entry);
    QVERIFY(shown != nullptr);
    const QRect inside = shown->rect();
    for (const QLabel* label : shown->findChildren<QLabel*>()) {
        const QString name = label->objectName();
        // Where the text is drawn, in the window: it must stay in its label,
        // in the window, and clear of every field, list and button.
        const QRect text = label->fontMetrics().boundingRect(
            label->contentsRect(), int(label->alignment()), label->text());
        QVERIFY2(text.width() <= label->contentsRect().width(), qPrintable(name));
        const QRect drawn(label->mapTo(shown, text.topLeft()), text.size());
        QVERIFY2(inside.contains(drawn), qPrintable(name));
        // A few unit labels were drawn starting 15 twips (a pixel) inside the
        // end of their field, where the field's border and margin stand.
        const QRect ink = drawn.adjusted(unitOverlapPx, 0, 0, 0);
        for (const QWidget* control : shown->findChildren<QWidget*>()) {
            if (!control->isVisibleTo(shown) || (!qobject_cast<const QLineEdit*>(control) &&
                                                 !qobject_cast<const QAbstractItemView*>(control) &&
                                                 !qobject_cast<const QPushButton*>(control)))
                continue;
            const QRect at(control->mapTo(shown, QPoint(0, 0)), control->size());
            QVERIFY2(
                !ink.intersects(at),
                qPrintable(QStringLiteral("%1 runs into %2").arg(name, control->objectName())));
        }
    }
    for (const QPushButton* button : shown->findChildren<QPushButton*>())
        QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) < button->width(),
                 qPrintable(button->objectName()));
    for (const QListWidget* list : shown->findChildren<QListWidget*>())
        for (int row = 0; row < list->count(); ++row)
            QVERIFY(list->fontMetrics().horizontalAdvance(list->item(row)->text()) <
                    list->viewport()->width());
}

// Without the Liberation fonts, fontconfig would draw the captions in another
// face, wider than the one they were placed for, or without the diacritics.
void tst_Layout::textsHaveTheirGlyphs() {
    QFETCH(int, entry);
    QWidget* shown = show(entry);
    QVERIFY(shown != nullptr);
    QStringList texts;
    for (const QLabel* label : shown->findChildren<QLabel*>())
        texts << label->text();
    for (const QPushButton* button : shown->findChildren<QPushButton*>())
        texts << button->text();
    for (const QListWidget* list : shown->findChildren<QListWidget*>())
        for (int row = 0; row < list->count(); ++row)
            texts << list->item(row)->text();
    const QFont font = shown->font();
    const QString family = QFontInfo(font).family();
#ifdef Q_OS_WIN
    // Windows without the Liberation fonts draws them in Times New Roman.
    QVERIFY2(family == QLatin1String("Liberation Serif") ||
                 family == QLatin1String("Times New Roman"),
             qPrintable(family));
#else
    QVERIFY2(family == QLatin1String("Liberation Serif"),
             "Liberation Serif is not installed (Debian: fonts-liberation2)");
#endif
    const QFontMetrics metrics(font);
    for (const QString& text : std::as_const(texts))
        for (const char32_t character : text.toUcs4())
            QVERIFY2(metrics.inFontUcs4(character),
                     qPrintable(QStringLiteral("%1 in \"%2\"").arg(QChar(character), text)));
}

QTEST_MAIN(tst_Layout)
#include "tst_Layout.moc"
