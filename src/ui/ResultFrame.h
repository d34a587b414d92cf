#pragma once

// The main window's "Kết quả" frame: a group box whose border is drawn as a
// plain rounded rectangle. Qt's Fusion style stretches an image for that
// border, which at this size means decoding it and scaling it on two threads
// it starts for the purpose, the dearest single step of the first paint.

#include <QGroupBox>

namespace kelvora::ui {

class ResultFrame : public QGroupBox {
    Q_OBJECT

public:
    ResultFrame(const QString& title, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace kelvora::ui
