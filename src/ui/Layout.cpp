#include "ui/Layout.h"

#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include <algorithm>

namespace kelvora::ui {

namespace {

constexpr int twipsPerInch = 1440;
constexpr double captionPointSize = 9.75;

} // namespace

int twipsToPixels(const QWidget* widget, int twips) {
    return twips * widget->logicalDpiX() / twipsPerInch;
}

void placeInTwips(QWidget* widget, const TwipsRect& rect) {
    // A caption's natural size means laying its text out, which the first
    // paint does again: measure only the controls whose size was never fixed.
    const bool fixed = rect.width > 0 && rect.height > 0;
    const QSize natural = fixed ? QSize() : widget->sizeHint();
    widget->setGeometry(twipsToPixels(widget, rect.left), twipsToPixels(widget, rect.top),
                        rect.width > 0 ? twipsToPixels(widget, rect.width) : natural.width(),
                        rect.height > 0 ? twipsToPixels(widget, rect.height) : natural.height());
}

void setInsideSizeInTwips(QWidget* window, int widthTwips, int heightTwips) {
    window->setFixedSize(twipsToPixels(window, widthTwips), twipsToPixels(window, heightTwips));
}

QFont captionFont() {
    QFont font;
    // Where Liberation Serif is not installed, as on most Windows machines,
    // the serif every Windows has, with the Vietnamese letters and metrics
    // close enough for the captions to keep their places.
    font.setFamilies({QStringLiteral("Liberation Serif"), QStringLiteral("Times New Roman")});
    font.setPointSizeF(captionPointSize);
    font.setStyleHint(QFont::Serif);
    // Unhinted glyphs look the same at this size and spare FreeType's hinting
    // of every glyph at the first paint, a tenth of the start-up.
    font.setHintingPreference(QFont::PreferNoHinting);
    // The program's own texts are written with precomposed letters and need
    // no shaping, the larger part of painting them the first time; a field
    // turns it back on when its text holds a combining mark.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

void shapeCombiningMarks(QLineEdit* field) {
    QObject::connect(field, &QLineEdit::textChanged, field, [field](const QString& text) {
        const bool marked = std::any_of(text.cbegin(), text.cend(),
                                        [](QChar character) { return character.isMark(); });
        const bool shaping = !(field->font().styleStrategy() & QFont::PreferNoShaping);
        if (marked != shaping) {
            QFont font = field->font();
            font.setStyleStrategy(marked ? QFont::PreferDefault : QFont::PreferNoShaping);
            field->setFont(font);
        }
    });
}

void nameByCaption(QLabel* caption, QWidget* control) {
    caption->setBuddy(control);
    control->setAccessibleName(caption->text().simplified());
}

void chainFocus(std::initializer_list<QWidget*> order) {
    QWidget* previous = nullptr;
    for (QWidget* widget : order) {
        if (previous != nullptr)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

} // namespace kelvora::ui
