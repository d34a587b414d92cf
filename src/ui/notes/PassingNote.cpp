#include "ui/notes/PassingNote.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QPalette>

#include <algorithm>

namespace kelvora::ui {

namespace {
constexpr int gapPx = 2; // between the note and its button
} // namespace

PassingNote::PassingNote(QWidget* button)
    : QLabel(button->window())
    , button_(button) {
    setObjectName(QStringLiteral("passingNote"));
    // A tooltip's look, which users know for a note that comes and goes.
    setAutoFillBackground(true);
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setFrameShape(QFrame::Box);
    setMargin(3);
    setTextFormat(Qt::PlainText);
    // It may stand over the edge of a field for its few seconds: a click
    // there still reaches the field.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    QLabel::hide();
    timer_.setSingleShot(true);
    timer_.setInterval(shownMs);
    connect(&timer_, &QTimer::timeout, this, &QLabel::hide);
}

void PassingNote::show(const QString& text) {
    // A room named with a page of text still makes a note of one line.
    const int widestPx = parentWidget()->width() - 2 * gapPx;
    const QString shown =
        fontMetrics().elidedText(text, Qt::ElideRight, widestPx - 2 * (margin() + frameWidth()));
    setText(shown);
    setAccessibleName(shown);
    adjustSize();
    resize(std::min(width(), widestPx), height());
    const QRect at = button_->geometry();
    move(std::max(gapPx, at.right() + 1 - width()), at.top() - gapPx - height());
    raise();
    // Hidden first, so that a screen reader hears a note shown again too.
    QLabel::hide();
    QLabel::show();
    timer_.start();
}

} // namespace kelvora::ui
