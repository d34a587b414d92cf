#include "Layout.h"

#include <QLabel>
#include <QWidget>

namespace kelvora::ui {

namespace {

constexpr int twipsPerInch = 1440;
constexpr double captionPointSize = 9.75;

} // namespace

int twipsToPixels(const QWidget* widget, int twips) {
    return twips * widget->logicalDpiX() / twipsPerInch;
}

void placeInTwips(QWidget* widget, const TwipsRect& rect) {
    const QSize natural = widget->sizeHint();
    widget->setGeometry(twipsToPixels(widget, rect.left), twipsToPixels(widget, rect.top),
                        rect.width > 0 ? twipsToPixels(widget, rect.width) : natural.width(),
                        rect.height > 0 ? twipsToPixels(widget, rect.height) : natural.height());
}

void setInsideSizeInTwips(QWidget* window, int widthTwips, int heightTwips) {
    window->setFixedSize(twipsToPixels(window, widthTwips), twipsToPixels(window, heightTwips));
}

QFont captionFont() {
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPointSizeF(captionPointSize);
    font.setStyleHint(QFont::Serif);
    return font;
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
