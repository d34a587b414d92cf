#pragma once

// Every window of Kelvora is laid out the way it was drawn: each control at a
// fixed place measured in twips (1/1440 inch) from the top left of its window
// or frame. Windows build their controls through these helpers, which turn
// twips into pixels at the widget's logical resolution, name each control and
// give it its text, so that no window repeats that work.

#include <QFont>
#include <QString>

#include <initializer_list>
#include <type_traits>

class QLabel;
class QLineEdit;
class QWidget;

namespace kelvora::ui {

// Left, top, width and height in twips. A width or height of 0 takes the
// control's natural size, for the captions whose size was never fixed.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// 15 twips a pixel at 96 dpi; Qt scales logical pixels for the screen itself.
[[nodiscard]] int twipsToPixels(const QWidget* widget, int twips);

void placeInTwips(QWidget* widget, const TwipsRect& rect);

// Fixes the size of a window's inside.
void setInsideSizeInTwips(QWidget* window, int widthTwips, int heightTwips);

// The serif face the windows were drawn for, with the Vietnamese glyphs.
[[nodiscard]] QFont captionFont();

// The caption font skips text shaping, which misplaces combining marks
// (an "ộ" typed as o, circumflex, dot below): a field whose text holds one
// is shaped again.
void shapeCombiningMarks(QLineEdit* field);

// A control of a kind whose constructor takes its text and its parent
// (QLabel, QLineEdit, QPushButton, QGroupBox), named and placed. Texts come as
// UTF-8 literals, as they are written in the sources.
template <class Control>
[[nodiscard]] Control* makeControl(QWidget* parent, const char* name, const char* text,
                                   const TwipsRect& rect) {
    auto* control = new Control(QString::fromUtf8(text), parent);
    control->setObjectName(QString::fromLatin1(name));
    if constexpr (std::is_same_v<Control, QLineEdit>)
        shapeCombiningMarks(control);
    placeInTwips(control, rect);
    return control;
}

// The caption beside a control names it, for screen readers too: a field is
// named through its buddy by Qt itself, a list needs its name set.
void nameByCaption(QLabel* caption, QWidget* control);

// The Tab key visits the widgets in this order.
void chainFocus(std::initializer_list<QWidget*> order);

} // namespace kelvora::ui
